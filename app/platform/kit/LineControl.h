#pragma once

#include "DrawMode.h"

#include <QColor>
#include <QLine>
#include <QWidget>

namespace kit {

// A line control: a one-pixel line between two points of its container,
// combined with what lies under it by its raster mode (White draws white
// whatever the line's colour).
class LineControl final : public QWidget {
    Q_OBJECT
public:
    LineControl(QWidget* parent, const QString& name, const QLine& line,
                const QColor& color = Qt::black, DrawMode mode = DrawMode::CopyPen);

    QLine line() const { return m_line; }
    DrawMode drawMode() const { return m_mode; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;
    QColor m_color;
    DrawMode m_mode;
};

} // namespace kit
