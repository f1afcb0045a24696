#include "ScriptedMessageBox.h"

#include <QTest>

platform::Answer ScriptedMessageBox::show(const platform::MessageRequest& request)
{
    m_asked.append(request);
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + request.text),
                     __FILE__, __LINE__);
        return platform::Answer::No;
    }
    return m_answers.takeFirst();
}

QStringList ScriptedMessageBox::texts() const
{
    QStringList texts;
    for (const auto& request : m_asked)
        texts += request.text;
    return texts;
}
