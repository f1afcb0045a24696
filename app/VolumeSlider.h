#pragma once

#include <QSlider>

namespace app {

// The volume slider: 0 to 10 with a tick at every value below the track. Its
// value is never read; a mouse click on it is what counts, and moving it
// with the keyboard clicks nothing.
class VolumeSlider final : public QSlider {
    Q_OBJECT
public:
    VolumeSlider(QWidget* parent, const QString& name, const QRect& geometry);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace app
