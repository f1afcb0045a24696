#pragma once

#include "FolderCopy.h"

#include <QTemporaryDir>

// A fresh installation folder for a test: the generated gallery pictures
// copied into a temporary folder (with an empty "Converted" unless asked
// otherwise), made the current directory for the fixture's life.
class InstallationFolder final {
public:
    explicit InstallationFolder(bool withConverted = true) : m_old(QDir::currentPath())
    {
        copyTree(QStringLiteral(TRELVANE_DATA_DIR "/Pictures"), m_dir.filePath("Pictures"));
        if (withConverted)
            QDir().mkpath(m_dir.filePath("Converted"));
        QDir::setCurrent(m_dir.path());
    }
    ~InstallationFolder() { QDir::setCurrent(m_old); }

    QString path(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QString m_old;
    QTemporaryDir m_dir;
};
