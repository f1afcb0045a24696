#include "DrawMode.h"

namespace kit {

bool applyDrawMode(QPainter& painter, DrawMode mode)
{
    // Qt's raster operations work on whole pixels and keep them opaque,
    // which is what the Windows modes do on a colour surface.
    painter.setRenderHint(QPainter::Antialiasing, false);
    switch (mode) {
    case DrawMode::Black: painter.setCompositionMode(QPainter::RasterOp_ClearDestination); break;
    case DrawMode::NotMergePen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceAndNotDestination);
        break;
    case DrawMode::MaskNotPen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceAndDestination);
        break;
    case DrawMode::NotCopyPen: painter.setCompositionMode(QPainter::RasterOp_NotSource); break;
    case DrawMode::MaskPenNot:
        painter.setCompositionMode(QPainter::RasterOp_SourceAndNotDestination);
        break;
    case DrawMode::Invert: painter.setCompositionMode(QPainter::RasterOp_NotDestination); break;
    case DrawMode::XorPen: painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case DrawMode::NotMaskPen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceOrNotDestination);
        break;
    case DrawMode::MaskPen: painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case DrawMode::NotXorPen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    case DrawMode::Nop: return false;
    case DrawMode::MergeNotPen:
        painter.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination);
        break;
    case DrawMode::CopyPen: painter.setCompositionMode(QPainter::CompositionMode_Source); break;
    case DrawMode::MergePenNot:
        painter.setCompositionMode(QPainter::RasterOp_SourceOrNotDestination);
        break;
    case DrawMode::MergePen: painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    case DrawMode::White: painter.setCompositionMode(QPainter::RasterOp_SetDestination); break;
    }
    return true;
}

} // namespace kit
