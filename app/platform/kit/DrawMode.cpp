#include "DrawMode.h"

namespace kit {

namespace {

// The composition for each mode, in Windows order from R2_BLACK (1).
constexpr QPainter::CompositionMode compositionFor[] = {
    QPainter::RasterOp_ClearDestination,           // 1 Black
    QPainter::RasterOp_NotSourceAndNotDestination, // 2 NotMergePen
    QPainter::RasterOp_NotSourceAndDestination,    // 3 MaskNotPen
    QPainter::RasterOp_NotSource,                  // 4 NotCopyPen
    QPainter::RasterOp_SourceAndNotDestination,    // 5 MaskPenNot
    QPainter::RasterOp_NotDestination,             // 6 Invert
    QPainter::RasterOp_SourceXorDestination,       // 7 XorPen
    QPainter::RasterOp_NotSourceOrNotDestination,  // 8 NotMaskPen
    QPainter::RasterOp_SourceAndDestination,       // 9 MaskPen
    QPainter::RasterOp_NotSourceXorDestination,    // 10 NotXorPen
    QPainter::CompositionMode_DestinationOver,     // 11 Nop: never drawn
    QPainter::RasterOp_NotSourceOrDestination,     // 12 MergeNotPen
    QPainter::CompositionMode_Source,              // 13 CopyPen
    QPainter::RasterOp_SourceOrNotDestination,     // 14 MergePenNot
    QPainter::RasterOp_SourceOrDestination,        // 15 MergePen
    QPainter::RasterOp_SetDestination,             // 16 White
};

} // namespace

bool applyDrawMode(QPainter& painter, DrawMode mode)
{
    // Qt's raster operations work on whole pixels and keep them opaque,
    // which is what the Windows modes do on a colour surface.
    if (mode == DrawMode::Nop)
        return false;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(compositionFor[static_cast<int>(mode) - 1]);
    return true;
}

} // namespace kit
