#include "Form1.h"

#include "PictureBox.h"

#include <QtMath>

namespace app {

namespace {

// The value in the format "###": a whole number without leading zeros, and
// no digit at all for zero.
QString hashFormat(double value)
{
    const qint64 whole = qRound64(value);
    return whole == 0 ? QString() : QString::number(whole);
}

} // namespace

void Form1::updateprogress(kit::PictureBox& box, double value)
{
    if (!box.AutoRedraw())
        box.setAutoRedraw(true);
    box.Cls();
    box.setScaleWidth(100);
    box.setDrawMode(static_cast<int>(kit::DrawMode::NotXorPen));
    const QString label = hashFormat(value) + QStringLiteral("%");
    box.setCurrentX(50 - box.TextWidth(label) / 2);
    const double height = box.ScaleHeight();
    box.setCurrentY((height - box.TextHeight(label)) / 2);
    box.Print(label);
    box.LineBoxFilled(0, 0, value, box.ScaleHeight());
    box.Refresh();
}

} // namespace app
