#pragma once

#include <QImage>
#include <QString>

namespace platform {

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Prints the picture on one page of the system's default printer, its
    // top-left corner at the origin of the printable area and at its own
    // size (96 dpi pixels to the printer's resolution), with no dialog, and
    // ends the document. Throws AppError when there is no default printer or
    // the printer fails.
    virtual void printPicture(const QImage& picture, const QString& documentName) = 0;
};

// Qt's printing, on the default printer of CUPS.
class DefaultPrinter final : public PrinterService {
public:
    void printPicture(const QImage& picture, const QString& documentName) override;
};

} // namespace platform
