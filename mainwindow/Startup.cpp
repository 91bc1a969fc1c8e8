// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/Startup.h"

#include "platform/FileSystem.h"
#include "registry/basRegistry.h"

#include <QFileInfo>
#include <QWidget>
#include <algorithm>

namespace {

bool isAsciiLetters(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
        [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
}

// The folders a translation may be in for one interface language as QLocale
// writes it ("de", "de-AT", "de-Latn-AT", "pt_BR"): the country's own first,
// then the language's. Nothing for what names no language ("C", or anything
// but letters), so that no text from the environment becomes part of a path.
QStringList translationFolders(const QString &uiLanguage)
{
    QString tags = uiLanguage;
    const QStringList parts = tags.replace(u'_', u'-').split(u'-');
    const QString &language = parts.constFirst();
    if (language.size() < 2 || language.size() > 3 || !isAsciiLetters(language))
        return {};
    QStringList folders;
    for (const QString &part : parts.sliced(1)) {
        // A script ("Latn") comes before the country; a variant after it.
        if (part.size() == 2 && isAsciiLetters(part)) {
            folders.append(language.toLower() + u'_' + part.toUpper());
            break;
        }
        if (part.size() != 4)
            break;
    }
    folders.append(language.toLower());
    return folders;
}

} // namespace

QString defaultHelpFile(const QString &programFolder)
{
    return programFolder + QStringLiteral("/help/qv.chm");
}

QString helpFileInLanguage(
    const QString &englishFile, const QStringList &uiLanguages, FileSystem &files)
{
    const QFileInfo english(englishFile);
    for (const QString &uiLanguage : uiLanguages) {
        for (const QString &folder : translationFolders(uiLanguage)) {
            // The pages are written in English: an English user wants them
            // even where a later language has a translation.
            if (folder == u"en")
                return englishFile;
            QString translated = english.path() + u'/' + folder + u'/' + english.fileName();
            if (files.fileExists(translated))
                return translated;
        }
    }
    return englishFile;
}

void Form_Load(QWidget &window, Registry &registry, QString &HelpFile, const QString &programFolder,
    const HelpLanguages &languages)
{
    window.hide();
    // Taken as stored, spaces and all; whether a file is there is the help
    // command's question, asked when help is wanted. Only a translation's
    // file is looked for here, to know whether there is one.
    const QString stored = basRegistry::GetHelpFileLocation(registry);
    HelpFile = helpFileInLanguage(stored.isEmpty() ? defaultHelpFile(programFolder) : stored,
        languages.uiLanguages, languages.files);
    window.show();
}
