#pragma once
#include "app/CommandTable.h"

#include <QMainWindow>

#include <map>
#include <memory>

class CDocManager;
class CEditorDoc;
class CEditorView;
class CRecentFileList;
class CRecoveryKeeper;
class QAction;
class QLabel;
class QMenu;
class QSessionManager;
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
    CRecoveryKeeper& GetRecoveryKeeper() const { return *m_recovery; }
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

    // The question closing the window asks about a modified level, asked as the desktop session
    // ends (logout, shutdown); false when the level stays open (Cancel, or a save that failed),
    // which asks the session manager to stop the logout. After No, the close that ends the
    // session asks nothing more.
    bool AskBeforeSessionEnds();

    // At start-up: offers the recovery copies that editors no longer running left behind.
    void OfferRecovery();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the window looks at the open file, in case a change on disk went unseen.
    void changeEvent(QEvent* event) override;
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
    void CommitData(QSessionManager& manager);
    void SaveState(QSessionManager& manager);
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
    std::unique_ptr<CRecoveryKeeper> m_recovery;
    std::map<int, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_messagePane = nullptr;
    bool m_updatePending = false;
    // No was the answer as the session ended, and the session's end is now closing the window.
    bool m_levelLeftAtSessionEnd = false;
    bool m_closingAtSessionEnd = false;
};
