#pragma once

#include <QRect>
#include <cmath>

// Window geometry is kept in twips, as single-precision values, and turned
// into pixels only where a window or control is placed or drawn.
constexpr float kTwipsPerPixel = 15.0f;

inline int TwipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline float PixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

inline QRect TwipsRect(float left, float top, float width, float height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}
