#include "HostileLevel.h"

CLevel DecodeHostileLevel(FuzzedDataProvider& input, int maxSide)
{
    const int width = input.ConsumeIntegralInRange(2, maxSide);
    const int height = input.ConsumeIntegralInRange(2, maxSide);
    CLevel level;
    level.Init(width, height, "hostile", "fuzz");
    level.SetBall(input.ConsumeFloatingPointInRange(-1.0, width + 1.0),
                  input.ConsumeFloatingPointInRange(-1.0, height + 1.0));
    for (int y = 0; y < height && input.remaining_bytes() >= 3; ++y)
        for (int x = 0; x < width && input.remaining_bytes() >= 3; ++x) {
            const int shape = input.ConsumeIntegral<std::uint8_t>();
            const int back = input.ConsumeIntegral<std::uint8_t>();
            const int front = input.ConsumeIntegral<std::uint8_t>();
            // Kind and slope of a material from one byte: 6 kinds times 9 rotations (8 = flat).
            level.SetBlock(x, y, shape % 5, shape / 5 % 4, back % 6, back / 6 % 9, front % 6, front / 6 % 9);
        }
    level.SetModified(false);
    return level;
}
