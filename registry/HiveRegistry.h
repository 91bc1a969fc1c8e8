// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Registry.h"
#include "registry/RegistryHive.h"

#include <QHash>
#include <QString>
#include <functional>

// HKEY_LOCAL_MACHINE read from the machine hive file. Every user who can
// read the hive opens its keys with whatever rights they ask for; a key
// opened with rights to change it by a process that may not write the hive
// is virtualized: a write would go to a per-user store, never to the hive.
// The program writes nothing, so no such store exists.
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
    // Whether the open key would send its writes to the per-user store.
    [[nodiscard]] bool isVirtualized(HKEY key) const;

private:
    struct OpenKey {
        QString path;
        bool virtualized = false;
    };

    RegistryHive m_hive;
    std::function<bool()> m_mayWrite;
    QHash<HKEY, OpenKey> m_handles;
    HKEY m_nextHandle = 0x100;
};
