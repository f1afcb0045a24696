#include "VersionBlock.h"

#include <QFile>
#include <QTextStream>

namespace resources {

namespace {

QString dotted(const QString& commas) { return QString(commas).replace(QLatin1Char(','), QLatin1Char('.')); }

VersionBlock readVersionBlock()
{
    VersionBlock block;
    QFile file(QStringLiteral(":/version/VersionBlock.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return block;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (key == QLatin1String("FILEVERSION"))
            block.fileVersion = dotted(value);
        else if (key == QLatin1String("PRODUCTVERSION"))
            block.productVersion = dotted(value);
        else if (key == QLatin1String("FILETYPE"))
            block.fileType = value;
        else if (key == QLatin1String("LANGUAGE"))
            block.language = value;
        else if (key == QLatin1String("CODEPAGE"))
            block.codePage = value;
        else
            block.strings.insert(key, value);
    }
    return block;
}

} // namespace

const VersionBlock& versionBlock()
{
    static const VersionBlock block = readVersionBlock();
    return block;
}

} // namespace resources
