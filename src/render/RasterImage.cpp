#include "render/RasterImage.h"

#include <algorithm>

CRasterImage::CRasterImage(int width, int height, Colour fill)
{
    if (Resize(width, height))
        Fill(fill);
}

bool CRasterImage::IsValidSize(std::int64_t width, std::int64_t height)
{
    return width >= 0 && height >= 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

bool CRasterImage::Resize(int width, int height)
{
    if (!IsValidSize(width, height))
        return false;
    m_pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    m_width = width;
    m_height = height;
    return true;
}

void CRasterImage::Fill(Colour colour) { std::fill(m_pixels.begin(), m_pixels.end(), kOpaque | colour); }
