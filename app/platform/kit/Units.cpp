#include "Units.h"

#include <QDir>
#include <QFontDatabase>
#include <QWidget>

namespace kit {

QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

QPoint twipsPoint(int x, int y) { return {px(x), px(y)}; }

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFont classicFont(const QString& face, double points, bool bold)
{
    // The free "MS Sans Serif" is a bitmap face whose one usable strike is
    // the classic 8 pt; larger sizes are drawn, as later Windows draws them,
    // with its scalable successor.
    const bool beyondTheBitmap = face == QLatin1String("MS Sans Serif") && points > 9;
    QFont font(beyondTheBitmap ? QStringLiteral("Microsoft Sans Serif") : face);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont defaultFont() { return classicFont(QStringLiteral("MS Sans Serif"), 8.25); }

void loadClassicFonts()
{
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    const QStringList files{QStringLiteral("ms_sans_serif.ttf"), QStringLiteral("tahoma.ttf"),
                            QStringLiteral("tahomabd.ttf"), QStringLiteral("fixedsys.ttf")};
    for (const QString& file : files) {
        if (wineFonts.exists(file))
            QFontDatabase::addApplicationFont(wineFonts.filePath(file));
    }
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"));
}

} // namespace kit
