// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chmreader/ChmArchive.h"

#include <atomic>
#include <functional>
#include <optional>

// Runs load on a thread of its own while the caller's events go on, so that a
// file slow to read (one that never ends is read up to the size cap) leaves
// the program responsive. When the event loop is left early, as it is when
// the program ends, the flag handed to load asks it to give up.
[[nodiscard]] std::optional<ChmArchive> loadResponsively(
    const std::function<std::optional<ChmArchive>(const std::atomic<bool> &cancel)> &load);
