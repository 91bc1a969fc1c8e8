// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

// The registry calls the program makes, with their Win32 meaning: status 0
// for success, the Win32 error codes otherwise; key paths and value names in
// the "ANSI" code page, which is UTF-8 here.
using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

namespace RegistryStatus {
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kMoreData = 234;
} // namespace RegistryStatus

// Access rights asked for when a key is opened (REGSAM).
namespace RegistryAccess {
inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kNotify = 0x0010;
inline constexpr std::uint32_t kCreateLink = 0x0020;
inline constexpr std::uint32_t kReadControl = 0x20000;
// KEY_READ, 0x20019.
inline constexpr std::uint32_t kRead = kReadControl | kQueryValue | kEnumerateSubKeys | kNotify;
// The rights that would let the holder change the key.
inline constexpr std::uint32_t kChange = kSetValue | kCreateSubKey | kCreateLink;
} // namespace RegistryAccess

namespace RegistryType {
inline constexpr std::uint32_t kString = 1; // REG_SZ
inline constexpr std::uint32_t kExpandString = 2; // REG_EXPAND_SZ
inline constexpr std::uint32_t kBinary = 3; // REG_BINARY
inline constexpr std::uint32_t kDword = 4; // REG_DWORD
inline constexpr std::uint32_t kMultiString = 7; // REG_MULTI_SZ
} // namespace RegistryType

// A REG_DWORD's four bytes, least significant first.
[[nodiscard]] inline std::int32_t dwordFromBytes(const std::uint8_t *bytes)
{
    return static_cast<std::int32_t>(
        bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24);
}

class Registry {
public:
    virtual ~Registry() = default;

    // *result stays 0 when the key cannot be opened.
    virtual long RegOpenKeyA(HKEY root, std::string_view subKey, HKEY *result) = 0;
    virtual long RegOpenKeyExA(HKEY root, std::string_view subKey, std::uint32_t options,
        std::uint32_t access, HKEY *result)
        = 0;
    // With data null: type and size only. With a buffer shorter than the
    // value: kMoreData and the size needed.
    virtual long RegQueryValueExA(HKEY key, std::string_view valueName, std::uint32_t *type,
        std::uint8_t *data, std::uint32_t *size)
        = 0;
    virtual long RegCloseKey(HKEY key) = 0;
};
