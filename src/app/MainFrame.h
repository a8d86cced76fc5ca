#pragma once
#include "app/CommandTable.h"

#include <QMainWindow>

#include <map>
#include <memory>

class CDocManager;
class CEditorDoc;
class CEditorView;
class CRecentFileList;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

// The editor's main window: the menus, the toolbar and the status bar built from the command
// table, the view of the one document in the middle, and the window title.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    CEditorDoc& GetDocument() const { return *m_document; }
    CEditorView& GetView() const { return *m_view; }
    CDocManager& GetDocManager() const { return *m_docManager; }
    const CRecentFileList& GetRecentFiles() const { return *m_recentFiles; }
    QToolBar* GetToolBar() const { return m_toolBar; }
    // The action of a command, or null.
    QAction* GetAction(int id) const;
    // The status bar's text while no prompt is shown.
    QString GetIdleMessage() const;

    bool IsBarVisible(int id) const;
    void ShowBar(int id, bool visible);

    // Runs the update rules of every command and refreshes the title and the recent files.
    void UpdateCommands();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A level file dragged from a file manager onto the window opens as Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QMenu* AddMenu(QMenu* parent, const char* title, std::initializer_list<int> ids);
    void AddItems(QMenu* menu, std::initializer_list<int> ids);
    void RunCommand(int id);
    void UpdateRecentFileMenu();
    void UpdateTitle();
    void ScheduleUpdate();
    void SaveBarState() const;
    void LoadBarState();
    // The window's size, position and maximised state, kept beside the bar state.
    void SaveWindowPlacement() const;
    void LoadWindowPlacement();

    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CEditorDoc> m_document;
    CEditorView* m_view;
    std::unique_ptr<CDocManager> m_docManager;
    std::map<int, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_messagePane = nullptr;
    bool m_updatePending = false;
};
