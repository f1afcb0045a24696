#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

// Drawing pieces that several pictures share. Everything is seeded, so the
// same build draws the same bytes every time.
namespace artgen {

class Random {
public:
    explicit Random(quint32 seed) : m_state(seed * 2654435761u + 1) {}
    quint32 next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    // A number in [low, high).
    double between(double low, double high) { return low + (high - low) * (next() % 100000) / 100000.0; }

private:
    quint32 m_state;
};

// A small cartoon figure standing on `feet`, `height` pixels tall.
void drawFigure(QPainter& painter, QPointF feet, double height, const QColor& clothes,
                const QColor& hair, int pose);

// The group's word mark: bold letters filled and outlined, fitted into a box.
void drawWordMark(QPainter& painter, const QRectF& box, const QString& text, const QColor& fill,
                  const QColor& outline, double outlineWidth);

// Five figures around and across a word mark, as the group's logos show them.
void drawGroupComposition(QPainter& painter, const QRectF& area, const QColor& markFill,
                          const QColor& markOutline, bool withRedWord);

QFont boldFace(double pixelSize);

} // namespace artgen
