// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The language the programs speak to the user: their own catalogue
// (quorvel_de.qm ...) and Qt's (qtbase_de.qm, for the standard buttons, the
// file dialog and the context menus) in the same language. English is the
// language of the source texts and has no catalogue.
namespace InterfaceLanguage {

inline constexpr char kEnglish[] = "en";

// Where a program finds the catalogues: beside it in the build tree, or where
// the install put them.
[[nodiscard]] QStringList catalogueFolders(const QString &programFolder);

// English and every language with a catalogue in the folders, as their
// catalogues name them ("de", "pt_BR"), sorted.
[[nodiscard]] QStringList available(const QStringList &folders);

// The language a --language value names ("de", "de_DE", "pt-BR", "en"), if it
// is English or one with a catalogue.
[[nodiscard]] std::optional<QString> named(const QString &value, const QStringList &folders);

// The first of the user's languages, in order of preference (as
// QLocale::uiLanguages() reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG),
// that is English or has a catalogue; English when none has.
[[nodiscard]] QString preferred(const QStringList &uiLanguages, const QStringList &folders);

// Installs the catalogues of language in the running application, which
// owns them. For English only the plural forms of the program's texts
// (quorvel_en): the source texts are shown, and no Qt catalogue of another
// language can turn the layout right to left.
void install(const QString &language, const QStringList &folders);

// The --language option, read before the rest of the command line so that
// --help and the errors about the rest are already in that language.
inline constexpr char kOption[] = "language";

struct Choice {
    QString language; // as install() takes it: the user's preferred one if none is named
    std::optional<QString> unknown; // a --language value that names none: a usage error
};

// The language --language names on the command line (its last value), else
// the user's preferred one.
[[nodiscard]] Choice choose(
    const QStringList &arguments, const QStringList &uiLanguages, const QStringList &folders);

// The usage error for a --language value that names no language there is.
[[nodiscard]] QString unknownLanguage(const QString &value, const QStringList &folders);

} // namespace InterfaceLanguage
