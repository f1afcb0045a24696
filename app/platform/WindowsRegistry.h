#pragma once

#include "WindowsHost.h"

#include <QString>
#include <optional>

namespace platform {

// Reads values of HKEY_LOCAL_MACHINE from the Wine prefix's system.reg, read
// only. Key and value names match without regard to case, as in Windows.
class WindowsRegistry final {
public:
    explicit WindowsRegistry(WindowsHost host = WindowsHost()) : m_host(std::move(host)) {}

    // The string value (REG_SZ or REG_EXPAND_SZ, unexpanded) of a value under
    // a key such as "SOFTWARE\Microsoft\Shared Tools\MSINFO"; an empty value
    // name reads the key's default value. Nothing when the file, the key or
    // the value is missing, or the value is no string. Throws AppError when
    // the file is there but cannot be read or is not a registry file.
    std::optional<QString> machineString(const QString& key, const QString& valueName) const;

private:
    WindowsHost m_host;
};

} // namespace platform
