#pragma once

#include <QMap>
#include <QString>

namespace resources {

// The program's version record, as the original's version resource held it:
// the numeric file and product versions and the string table (U.S. English,
// Unicode) with ProductName, FileDescription, FileVersion and the rest.
struct VersionBlock {
    QString fileVersion;    // "1.30.0.0"
    QString productVersion; // "1.30.0.0"
    QString fileType;       // "application"
    QString language;       // "0409"
    QString codePage;       // "1200"
    QMap<QString, QString> strings;
};

const VersionBlock& versionBlock();

} // namespace resources
