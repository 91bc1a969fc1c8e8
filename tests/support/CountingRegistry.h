// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "registry/HiveRegistry.h"

#include <functional>

// The machine hive as the program reads it, keeping count of the keys opened
// and not yet closed: whoever reads it must close every key it opened.
// RegOpenKeyA opens through RegOpenKeyExA.
class CountingRegistry final : public HiveRegistry {
public:
    using HiveRegistry::HiveRegistry;

    long RegOpenKeyExA(HKEY root, std::string_view subKey, std::uint32_t options,
        std::uint32_t access, HKEY *result) override
    {
        const long status = HiveRegistry::RegOpenKeyExA(root, subKey, options, access, result);
        m_openHandles += *result != 0 ? 1 : 0;
        return called(status);
    }
    long RegQueryValueExA(HKEY key, std::string_view valueName, std::uint32_t *type,
        std::uint8_t *data, std::uint32_t *size) override
    {
        return called(HiveRegistry::RegQueryValueExA(key, valueName, type, data, size));
    }
    long RegCloseKey(HKEY key) override
    {
        const long status = HiveRegistry::RegCloseKey(key);
        m_openHandles -= status == RegistryStatus::kSuccess ? 1 : 0;
        return called(status);
    }

    [[nodiscard]] int openHandles() const { return m_openHandles; }
    std::function<void()> onCall; // after every call

private:
    long called(long status)
    {
        if (onCall)
            onCall();
        return status;
    }

    int m_openHandles = 0;
};
