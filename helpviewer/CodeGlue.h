// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextDocument;

// Glues the letters of code and paths (what a page shows in a fixed-pitch
// font) in running text so that no line breaks inside them. Safe to repeat.
void keepCodeTogether(QTextDocument &document);

// The text as it was before the glue, for copying.
[[nodiscard]] QString withoutGlue(QString text);
