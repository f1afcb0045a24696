#include "PictureBox.h"

#include "AppError.h"
#include "Units.h"

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
    resetScale();
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
    resetScale();
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
    resetScale();
}

void PictureBox::resetScale()
{
    m_scaleWidth = insideRect().width() * twipsPerPixel;
    m_scaleHeight = insideRect().height() * twipsPerPixel;
}

void PictureBox::Cls()
{
    clearToBackground();
    m_currentX = 0;
    m_currentY = 0;
}

void PictureBox::setScaleWidth(double units)
{
    if (units == 0)
        throw platform::AppError(platform::ErrorCode::InvalidCall, objectName());
    m_scaleWidth = units;
}

void PictureBox::setDrawMode(int mode)
{
    if (mode < 1 || mode > 16)
        throw platform::AppError(platform::ErrorCode::InvalidCall, objectName());
    m_drawMode = static_cast<kit::DrawMode>(mode);
}

int PictureBox::toPixelX(double x) const { return qRound(x * insideRect().width() / m_scaleWidth); }

int PictureBox::toPixelY(double y) const { return qRound(y * insideRect().height() / m_scaleHeight); }

double PictureBox::TextWidth(const QString& text) const
{
    return QFontMetrics(font()).horizontalAdvance(text) * m_scaleWidth / insideRect().width();
}

double PictureBox::TextHeight(const QString&) const
{
    return QFontMetrics(font()).height() * m_scaleHeight / insideRect().height();
}

void PictureBox::Print(const QString& text)
{
    QFont drawn = font();
    drawn.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(drawn);
    painter.setPen(m_foreColor);
    painter.drawText(QPoint(toPixelX(m_currentX), toPixelY(m_currentY) + QFontMetrics(drawn).ascent()), text);
    m_currentX = 0;
    m_currentY += TextHeight(text);
}

void PictureBox::LineBoxFilled(double x1, double y1, double x2, double y2)
{
    const QRect box = QRect(QPoint(toPixelX(x1), toPixelY(y1)), QPoint(toPixelX(x2), toPixelY(y2)))
                          .normalized()
                          .adjusted(0, 0, -1, -1);
    if (box.isEmpty())
        return;
    QPainter painter(&m_image);
    if (applyDrawMode(painter, m_drawMode))
        painter.fillRect(box, m_foreColor);
}

void PictureBox::Refresh() { repaint(); }

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_border == Border::Sunken)
        qDrawWinPanel(&painter, rect(), palette(), true);
    painter.drawImage(insideRect().topLeft(), m_image);
}

} // namespace kit
