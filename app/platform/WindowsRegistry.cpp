#include "WindowsRegistry.h"

#include "AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace platform {

namespace {

// A quoted registry string at the start of text: its value and where it ends.
std::optional<QString> unquote(QStringView text, qsizetype* end)
{
    if (!text.startsWith(QLatin1Char('"')))
        return std::nullopt;
    QString value;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            *end = i + 1;
            return value;
        }
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[++i];
            value += next == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                   : next == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                   : next == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
                   : next == QLatin1Char('0') ? QChar(0)
                                              : next;
            continue;
        }
        value += c;
    }
    return std::nullopt;
}

// A section header "[Software\\Microsoft\\...] 1234" gives its key path.
QString keyOfHeader(const QString& line)
{
    const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
    QString key = line.mid(1, close - 1);
    key.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return key;
}

QString normalisedKey(QString key)
{
    key.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (key.startsWith(QLatin1Char('\\')))
        key.remove(0, 1);
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    return key;
}

} // namespace

std::optional<QString> WindowsRegistry::machineString(const QString& key,
                                                      const QString& valueName) const
{
    const QString path = m_host.prefix() + QStringLiteral("/system.reg");
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw AppError(ErrorCode::PermissionDenied, path);

    QTextStream in(&file);
    if (!in.readLine().startsWith(QStringLiteral("WINE REGISTRY Version")))
        throw AppError(ErrorCode::InvalidCall, path, QStringLiteral("This is not a registry file."));

    const QString wantedKey = normalisedKey(key);
    bool inKey = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('['))) {
            inKey = keyOfHeader(line).compare(wantedKey, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey)
            continue;
        QString name;
        qsizetype afterName = 0;
        if (line.startsWith(QLatin1Char('@'))) {
            afterName = 1;
        } else if (auto quoted = unquote(line, &afterName)) {
            name = *quoted;
        } else {
            continue;
        }
        if (name.compare(valueName, Qt::CaseInsensitive) != 0)
            continue;
        QStringView data = QStringView(line).mid(afterName);
        if (!data.startsWith(QLatin1Char('=')))
            continue;
        data = data.mid(1);
        if (data.startsWith(QStringLiteral("str(2):")))
            data = data.mid(7);
        qsizetype end = 0;
        return unquote(data, &end);
    }
    return std::nullopt;
}

} // namespace platform
