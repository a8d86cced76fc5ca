#include "view/LevelCommands.h"

#include "view/LevelPropertiesDlg.h"
#include "random/RandomLevelGenerator.h"
#include "view/EditorView.h"
#include "view/TestMode.h"

void CLevelCommands::PushSnapshot()
{
    m_view.m_undo.Push(m_view.GetLevel());
}

void CLevelCommands::RefitAndRepaint()
{
    m_view.FitCellSize();
    RepaintAll();
}

void CLevelCommands::RepaintAll()
{
    m_view.RebuildLevelBitmap();
    m_view.InvalidateAll(true);
}

void CLevelCommands::Transform(void (CLevel::*transform)(), bool refit)
{
    if (m_view.IsTestMode())
        return;
    PushSnapshot();
    (m_view.GetLevel().*transform)();
    if (refit)
        m_view.FitCellSize();
    RepaintAll();
}

void CLevelCommands::OnUndo()
{
    m_view.StopBallBeforeLevelChange();
    m_view.GetLevel() = m_view.m_undo.Undo();
    RefitAndRepaint();
    CTestMode(m_view).OnLevelChanged();
}

void CLevelCommands::OnRotateLevel()
{
    Transform(&CLevel::Rotate90, true);
}

void CLevelCommands::OnFlipHorizontal()
{
    Transform(&CLevel::FlipHorizontal, false);
}

void CLevelCommands::OnFlipVertical()
{
    Transform(&CLevel::FlipVertical, false);
}

void CLevelCommands::OnMakeFit()
{
    m_view.StopBallBeforeLevelChange();
    PushSnapshot();
    if (!m_view.GetLevel().MakeFit())
        return;
    RefitAndRepaint();
    CTestMode(m_view).OnLevelChanged();
}

void CLevelCommands::OnProperties()
{
    CLevel& level = m_view.GetLevel();
    CLevelPropertiesDlg dialog(&m_view);
    dialog.SetCreator(QString::fromStdString(level.GetCreator()));
    dialog.SetName(QString::fromStdString(level.GetName()));
    dialog.SetLevelSize(level.GetWidth(), level.GetHeight());
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_view.StopBallBeforeLevelChange();
    level.Resize(dialog.GetLevelWidth(), dialog.GetLevelHeight());
    level.SetCreator(dialog.GetCreator().toStdString());
    level.SetName(dialog.GetName().toStdString());
    RefitAndRepaint();
    CTestMode(m_view).OnLevelChanged();
}

void CLevelCommands::OnRandomLevel()
{
    if (m_view.IsTestMode())
        return;
    CRandomLevelGenerator generator;
    generator.Generate();
    // The whole level, its modified flag included: every block placed has set it.
    m_view.GetLevel() = generator.GetLevel();
    RefitAndRepaint();
}
