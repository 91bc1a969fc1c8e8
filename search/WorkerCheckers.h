// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SpellChecker.h"

#include <memory>
#include <vector>

// Who asks the checker while workers ask too.
enum class CallerAsks : bool { No, Yes };

// A checker of its own for each worker thread, made one after another
// (Hunspell loads its dictionary again for each): threads ask in all (0:
// one per core), the caller's own among them where it asks too. None where
// fewer than two would ask, the checker giving no more: then the caller
// asks alone.
[[nodiscard]] std::vector<std::unique_ptr<SpellChecker>> workerCheckers(
    SpellChecker &checker, unsigned threads, CallerAsks caller);
