#include "GalleryWindow.h"

#include "Artwork.h"
#include "DefaultPrinter.h"
#include "ErrorGuard.h"
#include "Frame.h"
#include "Label.h"
#include "PictureBox.h"
#include "PictureLoader.h"
#include "Services.h"
#include "Units.h"

#include <QPushButton>

namespace gallery {

using kit::px;
using kit::twipsRect;

namespace {

// Label2's size differs from window to window.
QSize hintSize(const QString& window)
{
    if (window == QLatin1String("frmAnzel"))
        return {px(1695), px(1575)};
    if (window == QLatin1String("frmIdrar") || window == QLatin1String("frmLioriel"))
        return {px(1815), px(1575)};
    return {px(1695), px(1815)};
}

QPushButton* frameButton(QWidget* frame, const QString& name, const QRect& geometry, const QString& caption)
{
    auto* button = new QPushButton(caption, frame);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

GalleryWindow::GalleryWindow(const GalleryEntry& entry)
    : kit::ClassicWindow(entry.window, {px(9510), px(6825)},
                         kit::TitleButton::Minimize | kit::TitleButton::Maximize | kit::TitleButton::Close),
      m_entry(entry)
{
    setWindowTitle(entry.windowCaption);
    setWindowIcon(resources::assetIcon(QStringLiteral("icoFlag")));
    setBackgroundColor(Qt::black);

    auto* frame = new kit::Frame(client(), QStringLiteral("Frame1"), twipsRect(120, 240, 1575, 5895),
                                 QStringLiteral("Select Picture"));
    frame->setBackColor(QColor(0, 0, 64));
    frame->setForeColor(Qt::white);

    m_viewer = new kit::PictureBox(client(), QStringLiteral("Picture1"), twipsRect(1920, 360, 7860, 7860));
    m_viewer->setBackColor(QColor(0, 0, 128));
    m_viewer->setAutoSize(true);
    m_viewer->setPicture(resources::assetImage(QStringLiteral("artBackground")));

    auto* title = new kit::Label(client(), QStringLiteral("Label1"), twipsRect(5040, 120, 1095, 255),
                                 QStringLiteral("Picture Viewer"));
    title->setForeColor(Qt::white);

    for (int k = 1; k <= GallerySet::picturesPerGallery; ++k) {
        const int row = (k - 1) / 2;
        const QRect place = twipsRect(k % 2 ? 240 : 840, 480 + 600 * row, 495, 375);
        auto* button = frameButton(frame, QStringLiteral("Command%1").arg(k), place, QString::number(k));
        connect(button, &QPushButton::clicked, this, platform::guarded([this, k] { showPicture(k); }));
    }
    auto* print = frameButton(frame, entry.printButton, twipsRect(240, 5280, 1095, 375), QStringLiteral("Print"));
    connect(print, &QPushButton::clicked, this, platform::guarded([this] { printShownPicture(); }));

    auto* hint = new kit::Label(client(), QStringLiteral("Label2"), QRect(QPoint(px(120), px(6240)), hintSize(entry.window)),
                                QStringLiteral("BEFORE PRESSING THE PRINT BUTTON, MAKE SURE YOU HAVE SELECTED ONE OF "
                                               "THE PICTURE ABOVE, BEFORE PRINTING IMAGE!"));
    hint->setForeColor(QColor(255, 0, 0));
    hint->setBackColor(Qt::black);
    hint->setFont(kit::classicFont(QStringLiteral("Arial"), 9, true));
    hint->setWordWrap(true);
}

void GalleryWindow::showPicture(int k)
{
    // Read afresh on every click: nothing is cached. A failed load leaves
    // the box with the picture it showed.
    const QImage picture = platform::Services::instance().pictureLoader().load(PicturePath(m_entry, k));
    m_viewer->setPicture(picture);
}

void GalleryWindow::printShownPicture()
{
    platform::Services::instance().printer().printPicture(m_viewer->picture(), m_entry.windowCaption);
}

} // namespace gallery
