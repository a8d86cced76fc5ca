#pragma once
#include "app/DiskWatcher.h"
#include "state/VersionStore.h"

#include <QObject>
#include <QString>

class CEditorDoc;
class CEditorView;
class CRecentFileList;
class QWidget;
struct CRecoveryCopy;

// New, Open, Save and Save As for the one document, the recent-file list and the question
// whether to save a modified level before it is replaced or the editor closes. A save keeps the
// file's earlier content as a version first (CVersionStore), and the document's file is watched
// for changes that others make on disk.
class CDocManager : public QObject {
    Q_OBJECT
public:
    CDocManager(CEditorDoc& document, CEditorView& view, CRecentFileList& recentFiles, QWidget* window);

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnOpenRecentFile(int index);
    // File > Earlier Versions: lists the versions kept of the document's file and opens the one
    // chosen as a modified level under the file's name, so that Save puts it back.
    void OnEarlierVersions();
    // The document's file changed on disk: an unmodified level is read again, with a word in the
    // status bar; for a modified one the user is asked first.
    void OnFileChangedOnDisk();
    // The level of a recovery copy, as a modified level under its file's name (or untitled).
    void RecoverLevel(const CRecoveryCopy& copy);

    // Opens the file into the document, the open file too, which is read again; false when it was
    // not opened (the user kept the current level, or the file could not be read, which is
    // reported).
    bool OpenDocumentFile(const QString& path);
    // Saves to the path, or asks for a file name when the path is empty; reports failures.
    // The file's earlier content is kept as a version first; a version that cannot be kept
    // does not stop the save, and the status bar says so.
    bool DoSave(const QString& path);
    // Asks whether to save a modified level; false when the user cancelled or the save failed.
    bool SaveModified();

    CDiskWatcher& GetDiskWatcher() { return m_diskWatcher; }
    const CVersionStore& GetVersionStore() const { return m_versions; }

signals:
    // The document's file, its title or the recent-file list changed, or the level was replaced.
    void DocumentChanged();
    // The user chose not to save the changes of the level.
    void ChangesDiscarded();
    // A word for the status bar.
    void StatusMessage(const QString& text);

private:
    // An empty name when the user cancelled.
    QString PromptSaveFileName() const;
    // Reads the file into the document, which then belongs to it.
    bool ReadDocumentFile(const QString& absolute);
    // The document now belongs to the file: its name, first on the recent-file list, and watched.
    void TakeFile(const QString& path);
    // Asks before a save over a file that others changed since it was read or written here.
    bool MayOverwriteChangedFile() const;
    void ReportError(const QString& message) const;

    CEditorDoc& m_document;
    CEditorView& m_view;
    CRecentFileList& m_recentFiles;
    QWidget* m_window;
    CVersionStore m_versions;
    CDiskWatcher m_diskWatcher;
    // The question about a change on disk is being asked.
    bool m_askingAboutDisk = false;
};
