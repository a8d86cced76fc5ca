#include "view/BlockCommands.h"

#include "model/Block.h"
#include "model/Material.h"
#include "view/EditorView.h"

#include <QGuiApplication>

namespace {

// Slopes turn counter-clockwise by one eighth, "no slope" being the ninth position.
int NextRotation(int rotation)
{
    return (rotation + NoSlope) % (NoSlope + 1);
}

} // namespace

CBlock& CBlockCommands::Block() const
{
    return m_view.m_currentBlock;
}

void CBlockCommands::Set(int backKind, int backRotation, int frontKind, int frontRotation)
{
    Block().Set(-1, -1, backKind, backRotation, frontKind, frontRotation);
    m_view.InvalidateCurrentBlock();
}

void CBlockCommands::OnRotateBack()
{
    Set(-1, NextRotation(Block().GetBackRotation()), -1, -1);
}

void CBlockCommands::OnRotateFront()
{
    Set(-1, -1, -1, NextRotation(Block().GetFrontRotation()));
}

void CBlockCommands::OnResetBackRotation()
{
    Set(-1, NoSlope, -1, -1);
}

void CBlockCommands::OnResetFrontRotation()
{
    Set(-1, -1, -1, NoSlope);
}

void CBlockCommands::OnResetRotation()
{
    Set(-1, NoSlope, -1, NoSlope);
}

void CBlockCommands::OnRotateBlock()
{
    // The live keyboard state, so that the menu, the key and a click on the sample all honour it.
    Block().Rotate(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier));
    m_view.InvalidateCurrentBlock();
}

void CBlockCommands::OnSwapMaterials()
{
    Block().SwapMaterials();
    m_view.InvalidateCurrentBlock();
}

void CBlockCommands::SetBackKind(int kind)
{
    Set(kind, -1, -1, -1);
}

void CBlockCommands::SetFrontKind(int kind)
{
    Set(-1, -1, kind, -1);
}

void CBlockCommands::PickBlock(const CBlock& block)
{
    Block() = block;
    m_view.InvalidateCurrentBlock();
}
