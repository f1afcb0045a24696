#include "Sketch.h"

#include <QPainterPath>

namespace artgen {

QFont boldFace(double pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qMax(1, int(pixelSize)));
    font.setBold(true);
    return font;
}

void drawFigure(QPainter& painter, QPointF feet, double height, const QColor& clothes,
                const QColor& hair, int pose)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = height / 10.0;
    const QPointF hip = feet - QPointF(0, 4 * unit);
    const QPointF neck = hip - QPointF(0, 3.2 * unit);
    const QPointF head = neck - QPointF(0, 1.3 * unit);

    QPen limb(QColor(40, 30, 30), qMax(1.0, unit * 0.6), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(limb);
    const double spread = pose % 2 ? 1.6 : 1.0;
    painter.drawLine(hip, feet + QPointF(-unit * spread, 0));
    painter.drawLine(hip, feet + QPointF(unit * spread, 0));
    const double armLift = (pose % 3 - 1) * 1.8 * unit;
    painter.drawLine(neck + QPointF(0, unit * 0.6), neck + QPointF(-2.2 * unit, 1.2 * unit + armLift));
    painter.drawLine(neck + QPointF(0, unit * 0.6), neck + QPointF(2.2 * unit, 1.2 * unit - armLift));

    painter.setPen(QPen(clothes.darker(160), qMax(0.5, unit * 0.2)));
    painter.setBrush(clothes);
    painter.drawRoundedRect(QRectF(neck.x() - 1.2 * unit, neck.y(), 2.4 * unit, 3.4 * unit), unit * 0.6,
                            unit * 0.6);
    painter.setBrush(QColor(250, 214, 180));
    painter.drawEllipse(head, 1.3 * unit, 1.4 * unit);
    painter.setBrush(hair);
    painter.setPen(Qt::NoPen);
    painter.drawChord(QRectF(head.x() - 1.4 * unit, head.y() - 1.6 * unit, 2.8 * unit, 2.4 * unit), 0,
                      180 * 16);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(head + QPointF(-0.45 * unit, 0.1 * unit), 0.18 * unit, 0.18 * unit);
    painter.drawEllipse(head + QPointF(0.45 * unit, 0.1 * unit), 0.18 * unit, 0.18 * unit);
    painter.setPen(QPen(QColor(150, 40, 40), qMax(0.5, unit * 0.15)));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(head.x() - 0.6 * unit, head.y() + 0.1 * unit, 1.2 * unit, 0.8 * unit),
                    200 * 16, 140 * 16);
    painter.restore();
}

void drawWordMark(QPainter& painter, const QRectF& box, const QString& text, const QColor& fill,
                  const QColor& outline, double outlineWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addText(0, 0, boldFace(100), text);
    const QRectF bounds = path.boundingRect();
    const double scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath placed = fit.map(path);
    painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(placed);
    painter.restore();
}

void drawGroupComposition(QPainter& painter, const QRectF& area, const QColor& markFill,
                          const QColor& markOutline, bool withRedWord)
{
    const QColor clothes[] = {QColor(220, 40, 60), QColor(40, 160, 70), QColor(50, 90, 220),
                              QColor(200, 120, 230), QColor(30, 190, 200)};
    const QColor hair[] = {QColor(240, 200, 60), QColor(90, 50, 20), QColor(20, 20, 20),
                           QColor(180, 60, 20), QColor(230, 230, 230)};
    const QRectF mark(area.left() + area.width() * 0.05, area.top() + area.height() * 0.45,
                      area.width() * 0.9, area.height() * 0.32);
    // Three stand above the word mark, two in front of it.
    const double tall = area.height() * 0.42;
    for (int i = 0; i < 3; ++i)
        drawFigure(painter, QPointF(area.left() + area.width() * (0.22 + 0.28 * i), mark.top() + tall * 0.1),
                   tall, clothes[i], hair[i], i);
    drawWordMark(painter, mark, QStringLiteral("Vyrelles"), markFill, markOutline,
                 qMax(1.5, area.height() / 45.0));
    for (int i = 3; i < 5; ++i)
        drawFigure(painter, QPointF(area.left() + area.width() * (0.12 + 0.62 * (i - 3)), area.bottom() - area.height() * 0.04),
                   tall * 0.8, clothes[i], hair[i], i);
    if (withRedWord) {
        painter.save();
        painter.setFont(boldFace(area.height() * 0.11));
        painter.setPen(QColor(230, 20, 20));
        painter.drawText(QRectF(mark.right() - area.width() * 0.35, mark.bottom(), area.width() * 0.35,
                                area.height() * 0.14),
                         Qt::AlignRight | Qt::AlignTop, QStringLiteral("live!"));
        painter.restore();
    }
}

} // namespace artgen
