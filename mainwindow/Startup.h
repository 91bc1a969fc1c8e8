// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class FileSystem;
class QWidget;
class Registry;

// What picks the help file's language: the interface languages, most wanted
// first, as QLocale::uiLanguages() writes them ("de", "de-AT", "C"), and where
// to ask whether a translation is there.
struct HelpLanguages {
    QStringList uiLanguages;
    FileSystem &files;
};

// The main window's load handler: with the window kept hidden, HelpFile gets
// the help file location stored in the machine registry, or, when none is
// stored, "help/qv.chm" under the program's folder, in the user's language
// where a translation is beside it (helpFileInLanguage); then the window is
// shown.
void Form_Load(QWidget &window, Registry &registry, QString &HelpFile, const QString &programFolder,
    const HelpLanguages &languages);

[[nodiscard]] QString defaultHelpFile(const QString &programFolder);

// The translation of the English help file for the first interface language
// that has one: the file of the same name in a folder beside it named after
// the language with its country ("pt_BR"), else after the language alone
// ("de"). The English file itself where English comes first, and where no
// language has a translation there.
[[nodiscard]] QString helpFileInLanguage(
    const QString &englishFile, const QStringList &uiLanguages, FileSystem &files);
