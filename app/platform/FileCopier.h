#pragma once

#include <QString>

namespace platform {

class FileCopier {
public:
    virtual ~FileCopier() = default;
    // Copies the whole file byte for byte, creating the target or replacing
    // it without asking. Creates no folder. Throws AppError on failure.
    virtual void copy(const QString& source, const QString& target) = 0;
};

// The copy writes a temporary file beside the target and renames it over the
// target only once every byte is on disk, so a copy that fails half way (a
// full disk, a read error) leaves an existing target as it was and leaves no
// partial file behind. A target that is a symbolic link is replaced through
// the link, as a plain copy would write through it.
class AtomicFileCopier final : public FileCopier {
public:
    void copy(const QString& source, const QString& target) override;
};

} // namespace platform
