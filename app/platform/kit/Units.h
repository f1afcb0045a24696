#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

// The design units of the classic toolkit: twips for geometry, RGB colours,
// fonts by face, point size and weight.
namespace kit {

constexpr int twipsPerPixel = 15;

// Twips to pixels at 96 dpi; every design coordinate is a whole pixel.
constexpr int px(int twips) { return twips / twipsPerPixel; }
QRect twipsRect(int left, int top, int width, int height);
QPoint twipsPoint(int x, int y);

inline QColor rgb(int red, int green, int blue) { return QColor(red, green, blue); }
// Gives a widget one colour of its own, keeping the rest of its palette.
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// A font as the classic toolkit drew it: the given face, size and weight,
// without anti-aliasing. "MS Sans Serif" above 9 pt becomes its scalable
// successor "Microsoft Sans Serif".
QFont classicFont(const QString& face, double points, bool bold = false);
// "MS Sans Serif" 8.25 pt, the font of every window that names none.
QFont defaultFont();

// Makes the classic faces available: the free clones of "MS Sans Serif",
// "Tahoma" and "Fixedsys", and the stand-ins for the others. Called once at start.
void loadClassicFonts();

} // namespace kit
