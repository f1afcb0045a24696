#pragma once

#include <QPainter>

namespace kit {

// The raster operations for pens, numbered as Windows numbers them (R2_*).
enum class DrawMode {
    Black = 1,
    NotMergePen = 2,
    MaskNotPen = 3,
    NotCopyPen = 4,
    MaskPenNot = 5,
    Invert = 6,
    XorPen = 7,
    NotMaskPen = 8,
    MaskPen = 9,
    NotXorPen = 10,
    Nop = 11,
    MergeNotPen = 12,
    CopyPen = 13,
    MergePenNot = 14,
    MergePen = 15,
    White = 16,
};

// Sets up a painter so that what it draws next combines with the destination
// under the mode. Returns false for Nop, where nothing is to be drawn.
bool applyDrawMode(QPainter& painter, DrawMode mode);

} // namespace kit
