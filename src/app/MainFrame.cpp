#include "app/MainFrame.h"

#include "app/DocManager.h"
#include "app/EditorDoc.h"
#include "view/ProfileKey.h"
#include "app/RecentFileList.h"
#include "app/RecoveryKeeper.h"
#include "app/StringTable.h"
#include "holmfc/FileName.h"
#include "holmfc/Registry.h"
#include "holmfc/ResourceString.h"
#include "view/EditorView.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDataStream>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIODevice>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <utility>

namespace {

// The toolbar's buttons in order, 0 for a separator, each with its icon.
struct CToolButton {
    int id;
    const char* icon;
};
constexpr CToolButton kToolBar[] = {
    {CmdFileNew, "new"},          {CmdFileOpen, "open"},           {CmdFileSave, "save"},
    {0, nullptr},                 {CmdEditUndo, "undo"},           {0, nullptr},
    {CmdProperties, "properties"}, {0, nullptr},                   {CmdToolPlot, "plot"},
    {CmdToolLine, "line"},        {CmdToolRectangle, "rectangle"}, {CmdToolFrame, "frame"},
    {CmdToolFill, "fill"},        {CmdToolSetBall, "setball"},     {0, nullptr},
    {CmdRotateBlock, "rotateblock"}, {CmdRotateBack, "rotateback"}, {CmdRotateFront, "rotatefront"},
    {0, nullptr},                 {CmdTestMode, "testmode"},
};

QIcon LoadIcon(const char* name)
{
    QIcon icon;
    for (const char* size : {"24", "48"})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name), QLatin1String(size)));
    return icon;
}

QString Translated(const char* text)
{
    return text ? QCoreApplication::translate(kCommandContext, text) : QString();
}

CRegistry OpenProfileKey()
{
    CRegistry registry;
    registry.SetKey(QLatin1String(kProfileKeyPath), true);
    return registry;
}

// The first local file among what is dragged, every byte of its name kept; empty when there is
// none (text, or addresses of the web).
QString DraggedFile(const QMimeData* data)
{
    for (const QUrl& url : data->urls())
        if (const QString file = FileNameOfUrl(url); !file.isEmpty())
            return file;
    return {};
}

const QString kBarStateName = QStringLiteral("Toolbar");
// How long a word in the status bar (a reload, a version not kept) stays.
constexpr int kStatusMessageMilliseconds = 10000;
const QString kWindowPlacementName = QStringLiteral("WindowPlacement");

} // namespace

CMainFrame::CMainFrame()
    : m_recentFiles(std::make_unique<CRecentFileList>()), m_document(std::make_unique<CEditorDoc>()),
      m_view(new CEditorView(m_document->GetSession(), this)),
      m_docManager(std::make_unique<CDocManager>(*m_document, *m_view, *m_recentFiles, this)),
      m_recovery(std::make_unique<CRecoveryKeeper>(
          [this] { return m_document->IsModified(); },
          [this] {
              return CRecoveryKeeper::CContent{EncodeFileName(m_document->GetPathName()).toStdString(),
                                               m_document->GetLevel().WriteText()};
          }))
{
    m_recentFiles->ReadList();
    setCentralWidget(m_view);
    setAcceptDrops(true);
    setWindowIcon(LoadIcon("quorvale"));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    LoadBarState();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 3 / 4);
    LoadWindowPlacement();
    connect(m_docManager.get(), &CDocManager::DocumentChanged, this, &CMainFrame::UpdateCommands);
    connect(m_docManager.get(), &CDocManager::DocumentChanged, m_recovery.get(), &CRecoveryKeeper::OnLevelSettled);
    connect(m_docManager.get(), &CDocManager::ChangesDiscarded, m_recovery.get(), &CRecoveryKeeper::DropCopy);
    connect(m_view, &CEditorView::LevelEdited, m_recovery.get(), &CRecoveryKeeper::OnLevelChanged);
    connect(m_docManager.get(), &CDocManager::StatusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMilliseconds); });
    connect(m_view, &CEditorView::StateChanged, this, &CMainFrame::UpdateCommands);
    // Like the idle time after each input message: the state may have changed, so the checks,
    // the title and its modified mark are brought up to date once the input has been handled.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CMainFrame::CommitData,
            Qt::DirectConnection);
    connect(qApp, &QGuiApplication::saveStateRequest, this, &CMainFrame::SaveState,
            Qt::DirectConnection);
    UpdateCommands();
    m_view->setFocus();
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // The view stops the ball thread, which reads the document's level, and edits through the
    // document's session: it goes before the document.
    delete m_view;
}

void CMainFrame::CreateActions()
{
    auto* speedGroup = new QActionGroup(this);
    for (const CCommand& command : GetCommandTable()) {
        auto* action = new QAction(this);
        QString text = Translated(command.menuText);
        QList<QKeySequence> keys;
        for (const char* key : command.keys)
            if (key)
                keys.append(QKeySequence::fromString(QLatin1String(key), QKeySequence::PortableText));
        // A menu text without a tab shows no key, even when the command has one.
        if (!keys.isEmpty() && !text.contains(QLatin1Char('\t')))
            text += QLatin1Char('\t');
        action->setText(text);
        action->setShortcuts(keys);
        const QString prompt = Translated(command.prompt);
        const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
        action->setStatusTip(prompt.left(newline));
        if (newline >= 0)
            action->setToolTip(prompt.mid(newline + 1));
        if (command.updateKind == UpdateKind::Check || command.updateKind == UpdateKind::Radio)
            action->setCheckable(true);
        if (command.updateKind == UpdateKind::Radio)
            speedGroup->addAction(action);
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        // Keys work whether or not the menu bar and the toolbar show the command.
        addAction(action);
        m_actions[id] = action;
    }
}

QMenu* CMainFrame::AddMenu(QMenu* parent, const char* title, std::initializer_list<int> ids)
{
    QMenu* menu = parent ? parent->addMenu(tr(title)) : menuBar()->addMenu(tr(title));
    AddItems(menu, ids);
    if (!parent)
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    return menu;
}

void CMainFrame::AddItems(QMenu* menu, std::initializer_list<int> ids)
{
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(GetAction(id));
    }
}

void CMainFrame::CreateMenus()
{
    AddMenu(nullptr, QT_TR_NOOP("&File"),
            {CmdFileNew, CmdFileOpen, CmdFileSave, CmdFileSaveAs, CmdEarlierVersions, 0, CmdProperties, 0, CmdRecentFile1,
             CmdRecentFile1 + 1, CmdRecentFile1 + 2, CmdRecentFile4, 0, CmdAppExit});
    QMenu* edit = AddMenu(nullptr, QT_TR_NOOP("&Edit"), {CmdEditUndo, 0});
    AddMenu(edit, QT_TR_NOOP("&Block"),
            {CmdRotateBack, CmdResetBackRotation, CmdRotateFront, CmdResetFrontRotation, CmdResetRotation,
             CmdRotateBlock, CmdSwapMaterials});
    AddItems(edit, {0, CmdRotateLevel, CmdFlipHorizontal, CmdFlipVertical, 0, CmdRandomLevel, 0, CmdMakeFit});
    AddMenu(nullptr, QT_TR_NOOP("&Tools"),
            {CmdToolPlot, CmdToolLine, CmdToolRectangle, CmdToolFrame, CmdToolFill, CmdToolSetBall, 0, CmdTestMode, 0,
             CmdFindPar, CmdPlaySolution, CmdShotMap, CmdStopSearch});
    QMenu* ball = AddMenu(nullptr, QT_TR_NOOP("&Ball"), {CmdStopBall, 0});
    AddMenu(ball, QT_TR_NOOP("S&peed"),
            {CmdSpeedPaus, CmdSpeedPaus + 1, CmdSpeedNormal, CmdSpeedNormal + 1, CmdSpeedNormal + 2,
             CmdSpeedNormal + 3, CmdSpeedNormal + 4, CmdSpeedUltra});
    AddItems(ball, {0, CmdPlaySound});
    AddMenu(nullptr, QT_TR_NOOP("&View"), {CmdViewToolbar, CmdViewStatusBar, 0, CmdShowGrid});
    AddMenu(nullptr, QT_TR_NOOP("&Help"), {CmdHelpIndex, 0, CmdAppAbout});
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(kBarStateName);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const CToolButton& button : kToolBar) {
        if (button.id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = GetAction(button.id);
        action->setIcon(LoadIcon(button.icon));
        m_toolBar->addAction(action);
    }
    // The menus show text only; the icons are for the toolbar.
    for (const auto& [id, action] : m_actions)
        action->setIconVisibleInMenu(false);
}

void CMainFrame::CreateStatusBar()
{
    // One pane for messages: the idle text, replaced by a command's prompt while the pointer
    // rests on its menu item or button.
    m_messagePane = new QLabel(LoadResourceString(IdsIdleMessage), this);
    statusBar()->addWidget(m_messagePane, 1);
    statusBar()->setSizeGripEnabled(true);
    // Said once, when the sound server has not started the ball's sounds and they are turned off;
    // for a while only, as it hides the pane's own text.
    connect(&m_view->GetTestMode().GetSounds(), &CSoundModule::Unavailable, this,
            [this] { statusBar()->showMessage(tr("Sound is not available"), 10000); });
}

QAction* CMainFrame::GetAction(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QString CMainFrame::GetIdleMessage() const
{
    return m_messagePane->text();
}

bool CMainFrame::IsBarVisible(int id) const
{
    if (id == CmdViewToolbar)
        return !m_toolBar->isHidden();
    return id == CmdViewStatusBar && !statusBar()->isHidden();
}

void CMainFrame::ShowBar(int id, bool visible)
{
    if (id == CmdViewToolbar)
        m_toolBar->setVisible(visible);
    else if (id == CmdViewStatusBar)
        statusBar()->setVisible(visible);
}

void CMainFrame::RunCommand(int id)
{
    const CCommand* command = FindCommand(id);
    if (command && command->handler) {
        CCommandTarget target{*this, *m_view};
        command->handler(target, id);
    }
    UpdateCommands();
}

void CMainFrame::UpdateCommands()
{
    m_updatePending = false;
    const CCommandTarget target{*this, *m_view};
    for (const CCommand& command : GetCommandTable()) {
        if (command.updateKind == UpdateKind::None || !command.updateRule)
            continue;
        QAction* action = GetAction(command.id);
        const bool on = command.updateRule(target, command.id);
        if (command.updateKind == UpdateKind::Enable)
            action->setEnabled(on);
        else
            action->setChecked(on);
    }
    UpdateRecentFileMenu();
    UpdateTitle();
    // The solver's progress or findings, else the idle text.
    const QString status = m_view->GetSolveTools().GetStatus();
    m_messagePane->setText(status.isEmpty() ? LoadResourceString(IdsIdleMessage) : status);
}

void CMainFrame::UpdateRecentFileMenu()
{
    const int count = m_recentFiles->GetSize();
    for (int i = 0; i < CRecentFileList::kMaxFiles; ++i) {
        QAction* action = GetAction(CmdRecentFile1 + i);
        if (count == 0 && i == 0) {
            // The placeholder, greyed until files are listed.
            action->setText(Translated(FindCommand(CmdRecentFile1)->menuText));
            action->setEnabled(false);
            action->setVisible(true);
        } else {
            // The menu shows a long name shortened, the status bar the whole of it.
            action->setText(m_recentFiles->GetMenuText(i));
            action->setStatusTip(m_recentFiles->GetDisplayName(i));
            action->setEnabled(true);
            action->setVisible(i < count);
        }
    }
}

void CMainFrame::UpdateTitle()
{
    setWindowTitle(m_document->GetTitle() + QStringLiteral("[*] - ") + tr("Quorvale editor"));
    setWindowModified(m_document->IsModified());
}

void CMainFrame::ScheduleUpdate()
{
    if (m_updatePending)
        return;
    m_updatePending = true;
    QTimer::singleShot(0, this, &CMainFrame::UpdateCommands);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        ScheduleUpdate();
        break;
    case QEvent::Quit:
        // The session manager ends the program with a Quit, which closes the window.
        if (watched == qApp)
            m_closingAtSessionEnd = m_levelLeftAtSessionEnd;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    SaveBarState();
    SaveWindowPlacement();
    if (!std::exchange(m_closingAtSessionEnd, false) && !m_docManager->SaveModified()) {
        event->ignore();
        return;
    }
    // A ball rolling in test mode stops with the window, and so does a search.
    m_view->GetTestMode().StopBall();
    m_view->GetSolveTools().StopAll();
    event->accept();
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_docManager->GetDiskWatcher().Check();
    QMainWindow::changeEvent(event);
}

void CMainFrame::OfferRecovery()
{
    m_recovery->OfferRecovery(this, [this](const CRecoveryCopy& copy) { m_docManager->RecoverLevel(copy); });
}

// The session manager asks every program to keep its work before the desktop session ends, and
// waits for the answers; a program that does not answer in time is ended all the same, so the
// question is asked here rather than when the window is closed at the very end.
void CMainFrame::CommitData(QSessionManager& manager)
{
    m_levelLeftAtSessionEnd = false;
    // Leave to ask costs the session manager a round trip, so it is sought for a modified level only.
    if (!m_document->IsModified() || !manager.allowsInteraction())
        return;
    // Cancel is given while the question still holds the session manager's leave to ask, so that
    // the logout stops at once; after an answer that lets it go on, the next program may ask.
    if (AskBeforeSessionEnds())
        manager.release();
    else
        manager.cancel();
}

bool CMainFrame::AskBeforeSessionEnds()
{
    if (!m_docManager->SaveModified())
        return false;
    m_levelLeftAtSessionEnd = m_document->IsModified();
    return true;
}

// A session that the desktop restores at the next login starts the editor again with the level that
// was open, as its file holds it. The name goes as a URL, which is plain ASCII: Qt hands the
// session manager each argument cut to its length in characters, which loses the last bytes of a
// name with letters outside ASCII.
void CMainFrame::SaveState(QSessionManager& manager)
{
    if (const QString path = m_document->GetPathName(); !path.isEmpty())
        manager.setRestartCommand(manager.restartCommand() << FileUrlOfName(path));
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has returned: the question whether to save, or a message that the file
    // cannot be read, would otherwise keep the file manager waiting in its drag until answered.
    QMetaObject::invokeMethod(
        this, [this, path] { m_docManager->OpenDocumentFile(path); }, Qt::QueuedConnection);
}

void CMainFrame::SaveBarState() const
{
    QByteArray state;
    QDataStream stream(&state, QIODevice::WriteOnly);
    stream << saveState() << !statusBar()->isHidden();
    OpenProfileKey().WriteBinary(kBarStateName, state);
}

void CMainFrame::LoadBarState()
{
    const QByteArray state = OpenProfileKey().ReadBinary(kBarStateName);
    if (state.isEmpty())
        return;
    QDataStream stream(state);
    QByteArray windowState;
    bool statusBarVisible = true;
    stream >> windowState >> statusBarVisible;
    if (stream.status() != QDataStream::Ok)
        return;
    restoreState(windowState);
    statusBar()->setVisible(statusBarVisible);
}

void CMainFrame::SaveWindowPlacement() const
{
    OpenProfileKey().WriteBinary(kWindowPlacementName, saveGeometry());
}

void CMainFrame::LoadWindowPlacement()
{
    // A damaged value changes nothing; a window that would lie off the screens is brought back
    // onto one.
    const QByteArray placement = OpenProfileKey().ReadBinary(kWindowPlacementName);
    if (!placement.isEmpty())
        restoreGeometry(placement);
}
