#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
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
    static void copyTree(const QString& from, const QString& to)
    {
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = to + source.mid(from.size());
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile::copy(source, target);
        }
    }

    QString m_old;
    QTemporaryDir m_dir;
};
