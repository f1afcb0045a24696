#include "VolumeSlider.h"

#include <QMouseEvent>

namespace app {

VolumeSlider::VolumeSlider(QWidget* parent, const QString& name, const QRect& geometry)
    : QSlider(Qt::Horizontal, parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setRange(0, 10);
    setSingleStep(1);
    setPageStep(5);
    setTickInterval(1);
    setTickPosition(QSlider::TicksBelow);
    setValue(0);
}

void VolumeSlider::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QSlider::mousePressEvent(event);
}

void VolumeSlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    m_pressed = false;
}

} // namespace app
