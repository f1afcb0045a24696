#include "Frame.h"

#include "Units.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace kit {

Frame::Frame(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption)
    : QWidget(parent), m_caption(caption)
{
    setObjectName(name);
    setGeometry(geometry);
    setAutoFillBackground(true);
}

void Frame::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void Frame::setBackColor(const QColor& color)
{
    setColour(this, QPalette::Window, color);
}

void Frame::setForeColor(const QColor& color)
{
    setColour(this, QPalette::WindowText, color);
}

void Frame::setBorderVisible(bool on)
{
    m_border = on;
    update();
}

void Frame::paintEvent(QPaintEvent*)
{
    if (!m_border && m_caption.isEmpty())
        return;
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = m_caption.isEmpty() ? 0 : metrics.height() / 2;
    if (m_border) {
        qDrawShadeRect(&painter, QRect(0, top, width(), height() - top), palette(), true, 1, 0);
    }
    if (!m_caption.isEmpty()) {
        const QRect captionRect(8, 0, metrics.horizontalAdvance(m_caption) + 4, metrics.height());
        painter.fillRect(captionRect, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         m_caption);
    }
}

} // namespace kit
