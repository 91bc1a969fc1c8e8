#pragma once

#include "platform/Registry.h"
#include "registry/RegistryHive.h"

#include <QHash>
#include <QString>
#include <functional>

// HKEY_LOCAL_MACHINE read from the machine hive file. Rights that would
// change a key are refused unless the process may write the hive file, as a
// standard user is refused them on the machine-wide registry.
class HiveRegistry final : public Registry {
public:
    // mayWrite tells whether the process may write the hive; by default, the
    // file system's answer for the hive file.
    explicit HiveRegistry(const QString &hivePath, std::function<bool()> mayWrite = {});

    long RegOpenKeyA(HKEY root, std::string_view subKey, HKEY *result) override;
    long RegOpenKeyExA(HKEY root, std::string_view subKey, std::uint32_t options,
        std::uint32_t access, HKEY *result) override;
    long RegQueryValueExA(HKEY key, std::string_view valueName, std::uint32_t *type,
        std::uint8_t *data, std::uint32_t *size) override;
    long RegCloseKey(HKEY key) override;

    [[nodiscard]] int openHandles() const { return static_cast<int>(m_handles.size()); }

private:
    RegistryHive m_hive;
    std::function<bool()> m_mayWrite;
    QHash<HKEY, QString> m_handles; // open handle -> key path
    HKEY m_nextHandle = 0x100;
};
