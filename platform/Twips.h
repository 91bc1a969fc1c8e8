#pragma once

#include <QRect>

// Window layouts are given in twips, 1/1440 inch: 15 make a pixel at 96 dots
// per inch, and Qt's device-independent pixels scale from there.
[[nodiscard]] inline int pixelsFromTwips(int twips)
{
    return qRound(twips / 15.0);
}

[[nodiscard]] inline QRect fromTwips(int left, int top, int width, int height)
{
    return { pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
        pixelsFromTwips(height) };
}
