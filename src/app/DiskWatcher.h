#pragma once
#include "file/FileWatch.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QSocketNotifier;

// The watch on the open level's file (CFileWatch) in the event loop: Changed comes once the file's
// content differs from what the editor last read or wrote, after the events of a save have
// settled, and once per new content only, so that a question about it is asked once.
class CDiskWatcher : public QObject {
    Q_OBJECT
public:
    explicit CDiskWatcher(QObject* parent = nullptr);

    // Watches the file at path, a name as DecodeFileName gives it (empty: none), taking what it
    // holds now as what the editor has: called after the level was read from it or written to it.
    void Watch(const QString& path);
    // The file holds something else than the editor last read or wrote.
    bool HasChanged() const { return m_watch.HasChanged(); }
    // Looks at the file now, for a change that no event announced (a folder on a network).
    void Check();

signals:
    void Changed();

private:
    CFileWatch m_watch;
    QSocketNotifier* m_notifier = nullptr;
    QTimer m_settle;
    // The content that Changed was emitted for last, when it was.
    std::optional<std::optional<std::size_t>> m_told;
};
