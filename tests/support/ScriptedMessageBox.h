#pragma once

#include "MessageBox.h"

#include <QList>

// Answers message boxes from a queue and records what was asked. A box that
// the test did not script fails the running test and is answered No, which
// stops every command that asks.
class ScriptedMessageBox final : public platform::MessageBoxService {
public:
    explicit ScriptedMessageBox(QList<platform::Answer> answers = {}) : m_answers(std::move(answers)) {}

    void expect(platform::Answer answer) { m_answers.append(answer); }
    platform::Answer show(const platform::MessageRequest& request) override;

    const QList<platform::MessageRequest>& asked() const { return m_asked; }
    QStringList texts() const;
    int unanswered() const { return static_cast<int>(m_answers.size()); }

private:
    QList<platform::Answer> m_answers;
    QList<platform::MessageRequest> m_asked;
};
