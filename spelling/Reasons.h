// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>

// Why an engine turned a dictionary down, where the reason names something
// (a signal, a program, a word). The verdicts are kept in the cache in
// English, as written here; said() gives them in the user's language.
namespace Reasons {

inline constexpr char kDies[] = QT_TRANSLATE_NOOP("Reason", "it dies loading it (signal %1)");
inline constexpr char kHelperNotStarted[]
    = QT_TRANSLATE_NOOP("Reason", "the helper program %1 cannot be started");
inline constexpr char kAcceptsNoneOfItsOwn[] = QT_TRANSLATE_NOOP(
    "Reason", "it accepts none of \"%1\" and the other first entries of its own word list");
inline constexpr char kAcceptsAnything[] = QT_TRANSLATE_NOOP(
    "Reason", "it accepts \"%1\", which is no word: it accepts any string of Latin letters");

// What an engine's own message says when it throws on the files; the message
// itself is the engine's, in English.
inline constexpr char kEngineSays[] = QT_TRANSLATE_NOOP("Reason", "it reports: %1");

// One of the texts above with what it names, in English.
[[nodiscard]] std::string english(const char *form, const std::string &named);

// A reason as written (a text of the "Reason" context, one of the forms
// above, or anything else, which stays as it is), in the user's language.
[[nodiscard]] QString said(const std::string &reason);

} // namespace Reasons
