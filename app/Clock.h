#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>

namespace app {

// Where the main window's clock reads the time; tests give a fixed one.
using TimeSource = std::function<QDateTime()>;

// The time as the clock shows it, "h:mm:ss" and the locale's designator for
// before or after noon: "1:05:09 PM", "12:00:00 AM".
QString clockText(const QTime& time, const QLocale& locale = QLocale::system());

} // namespace app
