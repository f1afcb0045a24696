#include "Clock.h"

namespace app {

QString clockText(const QTime& time, const QLocale& locale)
{
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour)
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(designator);
}

} // namespace app
