#include "DefaultPrinter.h"

#include "AppError.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

void DefaultPrinter::printPicture(const QImage& picture, const QString& documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw AppError(ErrorCode::PrinterError, QStringLiteral("the default printer"),
                       QStringLiteral("There is no default printer."));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(ErrorCode::PrinterError, info.printerName());
    // A picture pixel is a pixel of a 96 dpi screen.
    const double scale = printer.resolution() / 96.0;
    painter.scale(scale, scale);
    painter.drawImage(0, 0, picture);
    if (!painter.end())
        throw AppError(ErrorCode::PrinterError, info.printerName());
}

} // namespace platform
