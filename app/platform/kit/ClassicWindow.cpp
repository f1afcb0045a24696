#include "ClassicWindow.h"

#include "Units.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace kit {

ClientArea::ClientArea(QWidget* window, QSize size) : QWidget(window)
{
    setObjectName(QStringLiteral("client"));
    setFixedSize(size);
}

void ClientArea::setBackgroundPicture(const QPixmap& picture)
{
    m_background = picture;
    update();
}

void ClientArea::paintEvent(QPaintEvent*)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

ClassicWindow::ClassicWindow(const QString& name, QSize clientArea, TitleButtons buttons)
    : m_client(new ClientArea(this, clientArea))
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(defaultFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_client);

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

QMenuBar* ClassicWindow::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setNativeMenuBar(false);
        layout()->setMenuBar(m_menuBar);
    }
    return m_menuBar;
}

void ClassicWindow::makeCaptionless()
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
}

void ClassicWindow::setBackgroundColor(const QColor& color)
{
    setColour(m_client, QPalette::Window, color);
    m_client->setAutoFillBackground(true);
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
