#include "edit/BlockCommands.h"

#include "model/Block.h"
#include "model/Material.h"

namespace {

// Slopes turn counter-clockwise by one eighth, "no slope" being the ninth position.
int NextRotation(int rotation)
{
    return (rotation + NoSlope) % (NoSlope + 1);
}

} // namespace

void RunBlockCommand(BlockCommand command, CBlock& block, bool shift)
{
    switch (command) {
    case BlockCommand::RotateBack:
        block.Set(-1, -1, -1, NextRotation(block.GetBackRotation()), -1, -1);
        break;
    case BlockCommand::RotateFront:
        block.Set(-1, -1, -1, -1, -1, NextRotation(block.GetFrontRotation()));
        break;
    case BlockCommand::ResetBackRotation:
        block.Set(-1, -1, -1, NoSlope, -1, -1);
        break;
    case BlockCommand::ResetFrontRotation:
        block.Set(-1, -1, -1, -1, -1, NoSlope);
        break;
    case BlockCommand::ResetRotation:
        block.Set(-1, -1, -1, NoSlope, -1, NoSlope);
        break;
    case BlockCommand::RotateBlock:
        block.Rotate(shift);
        break;
    case BlockCommand::SwapMaterials:
        block.SwapMaterials();
        break;
    }
}
