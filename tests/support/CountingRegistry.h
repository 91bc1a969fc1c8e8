// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry/HiveRegistry.h"

#include <functional>

// The machine hive as the program reads it, keeping count of the keys opened
// and not yet closed: whoever reads it must close every key it opened.
class CountingRegistry final : public Registry {
public:
    explicit CountingRegistry(const QString &hivePath)
        : m_hive(hivePath)
    {
    }

    long RegOpenKeyA(HKEY root, std::string_view subKey, HKEY *result) override
    {
        const long status = m_hive.RegOpenKeyA(root, subKey, result);
        return opened(status, *result);
    }
    long RegOpenKeyExA(HKEY root, std::string_view subKey, std::uint32_t options,
        std::uint32_t access, HKEY *result) override
    {
        const long status = m_hive.RegOpenKeyExA(root, subKey, options, access, result);
        return opened(status, *result);
    }
    long RegQueryValueExA(HKEY key, std::string_view valueName, std::uint32_t *type,
        std::uint8_t *data, std::uint32_t *size) override
    {
        return called(m_hive.RegQueryValueExA(key, valueName, type, data, size));
    }
    long RegCloseKey(HKEY key) override
    {
        const long status = m_hive.RegCloseKey(key);
        m_openHandles -= status == RegistryStatus::kSuccess ? 1 : 0;
        return called(status);
    }

    [[nodiscard]] int openHandles() const { return m_openHandles; }
    std::function<void()> onCall; // after every call

private:
    long opened(long status, HKEY key)
    {
        m_openHandles += key != 0 ? 1 : 0;
        return called(status);
    }
    long called(long status)
    {
        if (onCall)
            onCall();
        return status;
    }

    HiveRegistry m_hive;
    int m_openHandles = 0;
};
