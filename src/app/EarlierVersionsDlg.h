#pragma once
#include "state/VersionStore.h"

#include <QDialog>

#include <vector>

class QListWidget;

// File > Earlier Versions: the versions kept of the open file, newest first, each with the time it
// was kept, its size and a small picture of its level. OK, or a double click, chooses one.
class CEarlierVersionsDlg : public QDialog {
    Q_OBJECT
public:
    // The versions newest first; title names the file.
    CEarlierVersionsDlg(const std::vector<CKeptVersion>& versions, const QString& title, QWidget* parent = nullptr);

    // The kept copy chosen, a name as DecodeFileName gives it, or empty before a choice.
    QString GetChosenPath() const;

private:
    std::vector<CKeptVersion> m_versions;
    QListWidget* m_list;
};
