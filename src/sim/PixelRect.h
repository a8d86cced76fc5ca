#pragma once

// A rectangle of client pixels; right and bottom are exclusive.
struct CPixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const CPixelRect&) const = default;
};
