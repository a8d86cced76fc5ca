// Arbitrary text read as block and material codes. Whatever a code reads as must write a code
// that the level file and the command line accept, and that reads back to the same block.
#include "FuzzCheck.h"
#include "cli/LevelOps.h"
#include "model/Block.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckBlockCode(const CBlock& block)
{
    const std::string code = block.ToCode();
    FuzzCheck(code == "$" || code.size() == 4 || code.size() == 6, "a block code has 1, 4 or 6 characters");
    CBlock parsed;
    FuzzCheck(ParseBlockCode(code, parsed), "the command line accepts every written code");
    FuzzCheck(parsed.ToCode() == code, "a written code reads back to the same code");
    CBlock again;
    FuzzCheck(again.FromCode(code) && again.ToCode() == code, "FromCode reads a written code back");
}

// Turns and mirrors that add up to nothing leave the code as it was.
void CheckTurns(const CBlock& block)
{
    const std::string code = block.ToCode();
    for (const bool withMaterials : {false, true}) {
        CBlock turned = block;
        for (int turn = 0; turn < 4; ++turn)
            turned.Rotate(withMaterials);
        FuzzCheck(turned.ToCode() == code, "four quarter turns of a block");
    }
    CBlock mirrored = block;
    mirrored.FlipHorizontal();
    mirrored.FlipHorizontal();
    mirrored.FlipVertical();
    mirrored.FlipVertical();
    mirrored.SwapMaterials();
    mirrored.SwapMaterials();
    FuzzCheck(mirrored.ToCode() == code, "mirrors and swaps undone");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    CBlock block;
    block.Set(Triangle, 2, Ice, 3, Water, 5); // a block with content: a failed read must keep it
    const std::string kept = block.ToCode();
    if (!block.FromCode(text))
        FuzzCheck(block.ToCode() == kept, "a refused block code keeps the block");
    CheckBlockCode(block);
    CheckTurns(block);

    CMaterial material;
    material.SetKind(Sand);
    material.SetRotation(4);
    if (material.FromCode(text)) {
        const std::string code = material.ToCode();
        CMaterial again;
        FuzzCheck(code.size() == 2 && again.FromCode(code) && again == material, "a material code reads back");
    } else {
        FuzzCheck(material.ToCode() == "S4", "a refused material code keeps the material");
    }

    // The six values of Set straight from the input: invalid ones are ignored one by one.
    if (size >= 6) {
        CBlock set;
        set.Set(static_cast<std::int8_t>(data[0]), static_cast<std::int8_t>(data[1]), static_cast<std::int8_t>(data[2]),
                static_cast<std::int8_t>(data[3]), static_cast<std::int8_t>(data[4]), static_cast<std::int8_t>(data[5]));
        FuzzCheck(CBlock::IsValidShape(set.GetShape()) && CBlock::IsValidShapeRotation(set.GetShapeRotation()),
                  "Set keeps the shape valid");
        FuzzCheck(CMaterial::IsValidKind(set.GetBackKind()) && CMaterial::IsValidRotation(set.GetBackRotation()) &&
                      CMaterial::IsValidKind(set.GetFrontKind()) && CMaterial::IsValidRotation(set.GetFrontRotation()),
                  "Set keeps the materials valid");
        CheckBlockCode(set);
        CheckTurns(set);
    }
    return 0;
}
