// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Registry.h"
#include "registry/RegistryHive.h"

#include <QHash>
#include <QString>

// HKEY_LOCAL_MACHINE read from the machine hive file. Every user who can
// read the hive opens its keys with whatever rights they ask for: the
// program only reads, so rights to change a key are never used.
class HiveRegistry : public Registry {
public:
    explicit HiveRegistry(const QString &hivePath);

    long RegOpenKeyA(HKEY root, std::string_view subKey, HKEY *result) override;
    long RegOpenKeyExA(HKEY root, std::string_view subKey, std::uint32_t options,
        std::uint32_t access, HKEY *result) override;
    long RegQueryValueExA(HKEY key, std::string_view valueName, std::uint32_t *type,
        std::uint8_t *data, std::uint32_t *size) override;
    long RegCloseKey(HKEY key) override;

private:
    RegistryHive m_hive;
    QHash<HKEY, QString> m_handles; // the key path of each open handle
    HKEY m_nextHandle = 0x100;
};
