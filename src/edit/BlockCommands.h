#pragma once

class CBlock;

// The commands of the Edit > Block menu, which change only the current block.
enum class BlockCommand {
    // Back or front slope a step further: no slope, then 7 down to 0, then no slope again.
    RotateBack,
    RotateFront,
    ResetBackRotation,
    ResetFrontRotation,
    // Both slopes back to none; the kinds stay.
    ResetRotation,
    // A quarter turn clockwise, the materials' slopes too when shift is held.
    RotateBlock,
    SwapMaterials,
};

// Runs the command on the block.
void RunBlockCommand(BlockCommand command, CBlock& block, bool shift);
