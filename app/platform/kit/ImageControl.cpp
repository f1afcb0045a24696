#include "ImageControl.h"

#include <QPainter>

namespace kit {

ImageControl::ImageControl(QWidget* parent, const QString& name, QPoint topLeft,
                           const QPixmap& picture)
    : QWidget(parent)
{
    setObjectName(name);
    move(topLeft);
    setPicture(picture);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    if (!picture.isNull())
        resize(picture.size());
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace kit
