#include "LineControl.h"

#include <QPainter>

namespace kit {

LineControl::LineControl(QWidget* parent, const QString& name, const QLine& line,
                         const QColor& color, DrawMode mode)
    : QWidget(parent), m_line(line), m_color(color), m_mode(mode)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // The widget covers the line's bounding box, one pixel wide at the least.
    setGeometry(QRect(line.p1(), line.p2()).normalized().adjusted(0, 0, 1, 1));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!applyDrawMode(painter, m_mode))
        return;
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_line.translated(-pos()));
}

} // namespace kit
