// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Registry.h"

#include <QString>
#include <optional>
#include <variant>

// Reads the machine-wide registry; the program never writes it.
namespace basRegistry {

// A string or a signed 32-bit number; "nothing there" is the empty string.
using RegistryValue = std::variant<QString, qint32>;

// One value of one key. Every registry failure gives the empty string. The
// one error: a string whose first NUL lies past position 32,767 does not fit
// the reader's 16-bit position; that gives no result at all.
[[nodiscard]] std::optional<RegistryValue> GetRegistryValue(
    Registry &registry, HKEY root, const QString &keyName, const QString &valueName);

// The stored help file path, or the empty string whenever it cannot be read.
[[nodiscard]] QString GetHelpFileLocation(Registry &registry);

inline constexpr char kHelpKey[] = "Software\\KelmstarSoftware\\Quorvel\\Help";
inline constexpr char kHelpValue[] = "help_file_location";

} // namespace basRegistry
