#pragma once

#include "ProgramStarter.h"

#include <QList>
#include <QPair>

// Records the programs that a window asks to start instead of starting them.
class RecordingProgramStarter final : public platform::ProgramStarter {
public:
    void start(const QString& commandLine, platform::WindowStyle style) override
    {
        m_started.append({commandLine, style});
    }
    const QList<QPair<QString, platform::WindowStyle>>& started() const { return m_started; }

private:
    QList<QPair<QString, platform::WindowStyle>> m_started;
};
