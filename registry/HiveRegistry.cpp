// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/HiveRegistry.h"

#include <cstring>

namespace {

QString fromAnsi(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

HiveRegistry::HiveRegistry(const QString &hivePath)
    : m_hive(RegistryHive::load(hivePath))
{
}

long HiveRegistry::RegOpenKeyA(HKEY root, std::string_view subKey, HKEY *result)
{
    // RegOpenKey asks for whatever the caller may have, which always
    // includes reading (KEY_READ).
    return RegOpenKeyExA(root, subKey, 0, RegistryAccess::kRead, result);
}

long HiveRegistry::RegOpenKeyExA(
    HKEY root, std::string_view subKey, std::uint32_t, std::uint32_t, HKEY *result)
{
    *result = 0;
    if (root != HKEY_LOCAL_MACHINE)
        return RegistryStatus::kInvalidHandle;
    const QString path = fromAnsi(subKey);
    if (!m_hive.hasKey(path))
        return RegistryStatus::kFileNotFound;
    // Whoever may read the hive may open its keys with any rights, as a
    // program without elevation may open the machine's SOFTWARE keys: the
    // rights asked for are not checked, since nothing is ever written.
    *result = m_nextHandle++;
    m_handles.insert(*result, path);
    return RegistryStatus::kSuccess;
}

long HiveRegistry::RegQueryValueExA(HKEY key, std::string_view valueName, std::uint32_t *type,
    std::uint8_t *data, std::uint32_t *size)
{
    const auto handle = m_handles.constFind(key);
    if (handle == m_handles.cend())
        return RegistryStatus::kInvalidHandle;
    const auto value = m_hive.value(*handle, fromAnsi(valueName));
    if (!value)
        return RegistryStatus::kFileNotFound;
    if (type)
        *type = value->type;
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    if (!data) {
        if (size)
            *size = needed;
        return RegistryStatus::kSuccess;
    }
    if (!size)
        return RegistryStatus::kInvalidParameter;
    if (*size < needed) {
        *size = needed;
        return RegistryStatus::kMoreData;
    }
    if (needed > 0)
        std::memcpy(data, value->data.constData(), needed);
    *size = needed;
    return RegistryStatus::kSuccess;
}

long HiveRegistry::RegCloseKey(HKEY key)
{
    return m_handles.remove(key) ? RegistryStatus::kSuccess : RegistryStatus::kInvalidHandle;
}
