#include "ClassicWindow.h"

#include "Units.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace kit {

ClassicWindow::ClassicWindow(const QString& name, QSize clientArea, TitleButtons buttons)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(defaultFont());
    setFixedSize(clientArea);

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint;
    if (buttons & TitleButton::Minimize)
        flags |= Qt::WindowMinimizeButtonHint;
    if (buttons & TitleButton::Maximize)
        flags |= Qt::WindowMaximizeButtonHint;
    if (buttons & TitleButton::Close)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
}

void ClassicWindow::makeCaptionless()
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
}

void ClassicWindow::setBackgroundColor(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    setPalette(palette);
    setAutoFillBackground(true);
}

void ClassicWindow::setBackgroundPicture(const QPixmap& picture)
{
    m_background = picture;
    update();
}

void ClassicWindow::paintEvent(QPaintEvent*)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void ClassicWindow::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

} // namespace kit
