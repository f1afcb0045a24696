#include "PictureBox.h"

#include <QPainter>
#include <qdrawutil.h>

namespace kit {

PictureBox::PictureBox(QWidget* parent, const QString& name, const QRect& geometry)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    clearToBackground();
}

QRect PictureBox::insideRect() const
{
    const int b = borderWidth();
    return rect().adjusted(b, b, -b, -b);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    fitToPicture();
    clearToBackground();
    update();
}

void PictureBox::setBackColor(const QColor& color)
{
    m_backColor = color;
    clearToBackground();
    update();
}

void PictureBox::setBorder(Border border)
{
    m_border = border;
    fitToPicture();
    clearToBackground();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToPicture();
}

void PictureBox::fitToPicture()
{
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size() + QSize(2 * borderWidth(), 2 * borderWidth()));
}

void PictureBox::clearToBackground()
{
    const QSize inside = insideRect().size().expandedTo(QSize(1, 1));
    if (m_image.size() != inside)
        m_image = QImage(inside, QImage::Format_RGB32);
    m_image.fill(m_backColor);
    if (!m_picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture);
    }
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_image.size() != insideRect().size())
        clearToBackground();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_border == Border::Sunken)
        qDrawWinPanel(&painter, rect(), palette(), true);
    painter.drawImage(insideRect().topLeft(), m_image);
}

} // namespace kit
