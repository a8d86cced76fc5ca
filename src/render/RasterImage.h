#pragma once
#include "render/Colour.h"

#include <cstdint>
#include <vector>

// A 32-bit RGB image: rows of pixels 0xFFRRGGBB from the top, no padding, so that a toolkit can
// show the buffer as it is (one pixel per 32-bit word, alpha always opaque).
class CRasterImage {
public:
    // Images are limited to 32767 pixels each way and 2^29 pixels in all.
    static constexpr int kMaxSide = 32767;
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 29;
    static constexpr std::uint32_t kOpaque = 0xFF000000u;

    CRasterImage() = default;
    CRasterImage(int width, int height, Colour fill = 0);

    // Whether a width x height image is within the limits (zero sizes are allowed).
    static bool IsValidSize(std::int64_t width, std::int64_t height);
    // Resizes to width x height, keeping the buffer when the pixel count allows; the pixels are
    // then undefined. False, with the image unchanged, when the size is out of the limits.
    bool Resize(int width, int height);
    void Fill(Colour colour);

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    bool IsEmpty() const { return m_width == 0 || m_height == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // The colour at (x, y); 0 outside the image.
    Colour GetPixel(int x, int y) const
    {
        return Contains(x, y) ? Row(y)[x] & 0xFFFFFFu : 0;
    }
    void SetPixel(int x, int y, Colour colour)
    {
        if (Contains(x, y))
            Row(y)[x] = kOpaque | colour;
    }

    std::uint32_t* Row(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const { return m_pixels.data() + static_cast<std::size_t>(y) * m_width; }
    std::uint32_t* GetBits() { return m_pixels.data(); }
    const std::uint32_t* GetBits() const { return m_pixels.data(); }
    int GetBytesPerLine() const { return m_width * 4; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};
