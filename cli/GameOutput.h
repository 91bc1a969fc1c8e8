// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordgames/GameResult.h"

#include <QByteArray>
#include <vector>

// One result a line, the words of a phrase between single spaces; or, for
// programs, one JSON array of objects, each with its words and their
// letter count: [{"words": ["angel"], "letters": 5}].
[[nodiscard]] QByteArray formatResults(const std::vector<GameResult> &results, bool json);
