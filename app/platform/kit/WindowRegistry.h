#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace kit {

// The single instances of the program's windows. A window is created on its
// first use, brought forward when it is already open, and forgotten when it
// is closed (it deletes itself), so that the next use gives a fresh window in
// its design-time state.
class WindowRegistry final {
public:
    static WindowRegistry& instance();

    using Factory = std::function<QWidget*()>;

    // Shows the named window modeless and without an owner, creating it first
    // when none is open.
    QWidget* open(const QString& name, const Factory& create);
    // The open window of that name, or null.
    QWidget* find(const QString& name) const;

private:
    QHash<QString, QPointer<QWidget>> m_windows;
};

// Ends the program at once: every window disappears and no closing handler runs.
void endProgram();

} // namespace kit
