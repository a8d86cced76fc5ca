#pragma once
#include "model/Level.h"

#include <QObject>
#include <QString>

class QWidget;

// The document: the one level of the editor and the file it came from. New and Open reuse it for
// the whole run.
class CEditorDoc : public QObject {
    Q_OBJECT
public:
    CLevel m_level;

    // The level's own flag alone decides whether the document is modified.
    bool IsModified() const { return m_level.IsModified(); }

    // Starts a new document. The first call of a run keeps the level as constructed; later calls
    // ask for the new level's size, creator and name, and a cancelled dialog keeps the level.
    bool OnNewDocument(QWidget* dialogParent);
    // Reads the level file; path is a name as DecodeFileName gives it. False (reason set, level
    // untouched) when the file's bytes cannot be read: not a regular file, larger than the read
    // limit, or unreadable (FileAccess.h). A level text that the reader rejects still counts as
    // opened.
    bool OnOpenDocument(const QString& path, QString* reason);
    // Writes the level file with WriteFileAtomically (FileAccess.h), whose rules say what is
    // replaced. False (reason set) when it cannot be written; the file on disk and the level's
    // modified flag then stay as they were.
    bool OnSaveDocument(const QString& path, QString* reason);

    const QString& GetPathName() const { return m_pathName; }
    void SetPathName(const QString& path) { m_pathName = path; }
    // The file name without its folder, or "Untitled".
    QString GetTitle() const;

private:
    QString m_pathName;
    // Set until the first OnNewDocument of the run.
    static bool s_startingUp;
};
