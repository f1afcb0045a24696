#pragma once

#include "AppError.h"
#include "DefaultPrinter.h"
#include "FileCopier.h"
#include "PictureLoader.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QStringList>

// A copier that records each copy and hands it to the real one, until the
// copy numbered failAt (from 1), which fails as a full disk would.
class ScriptedFileCopier final : public platform::FileCopier {
public:
    explicit ScriptedFileCopier(int failAt = 0) : m_failAt(failAt) {}
    void copy(const QString& source, const QString& target) override
    {
        m_copies.append({source, target});
        if (m_copies.size() == m_failAt)
            throw platform::AppError(platform::ErrorCode::DiskFull, target);
        m_real.copy(source, target);
    }
    const QList<QPair<QString, QString>>& copies() const { return m_copies; }

private:
    int m_failAt;
    QList<QPair<QString, QString>> m_copies;
    platform::AtomicFileCopier m_real;
};

// A loader that records every path asked for and loads it for real.
class RecordingPictureLoader final : public platform::PictureLoader {
public:
    QImage load(const QString& path) override
    {
        m_paths.append(path);
        return m_real.load(path);
    }
    const QStringList& paths() const { return m_paths; }

private:
    QStringList m_paths;
    platform::FilePictureLoader m_real;
};

// A printer that keeps the pictures it is given instead of printing them.
class RecordingPrinter final : public platform::PrinterService {
public:
    void printPicture(const QImage& picture, const QString& documentName) override
    {
        m_printed.append({picture, documentName});
    }
    const QList<QPair<QImage, QString>>& printed() const { return m_printed; }

private:
    QList<QPair<QImage, QString>> m_printed;
};
