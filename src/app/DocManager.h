#pragma once
#include <QObject>
#include <QString>

class CEditorDoc;
class CEditorView;
class CRecentFileList;
class QWidget;

// New, Open, Save and Save As for the one document, the recent-file list and the question
// whether to save a modified level before it is replaced or the editor closes.
class CDocManager : public QObject {
    Q_OBJECT
public:
    CDocManager(CEditorDoc& document, CEditorView& view, CRecentFileList& recentFiles, QWidget* window);

    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnOpenRecentFile(int index);

    // Opens the file into the document; false when it was not opened (the user kept the current
    // level, or the file could not be read, which is reported).
    bool OpenDocumentFile(const QString& path);
    // Saves to the path, or asks for a file name when the path is empty; reports failures.
    bool DoSave(const QString& path);
    // Asks whether to save a modified level; false when the user cancelled or the save failed.
    bool SaveModified();

signals:
    // The document's file, its title or the recent-file list changed.
    void DocumentChanged();

private:
    // An empty name when the user cancelled.
    QString PromptSaveFileName() const;
    // The document now belongs to the file: its name, and first on the recent-file list.
    void TakeFile(const QString& path);
    void ReportError(const QString& message) const;

    CEditorDoc& m_document;
    CEditorView& m_view;
    CRecentFileList& m_recentFiles;
    QWidget* m_window;
};
