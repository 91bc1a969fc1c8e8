// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Language.h"

#include "BuildConfig.h"
#include "translations/QtTexts.h" // for the catalogues: Qt's texts Qt has no catalogue of

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <algorithm>

namespace {

const QString kPrefix = QStringLiteral("quorvel_");
const QString kSuffix = QStringLiteral(".qm");

bool hasCatalogue(const QString &language, const QStringList &folders)
{
    return std::ranges::any_of(folders, [&language](const QString &folder) {
        return QFileInfo(QDir(folder).filePath(kPrefix + language + kSuffix)).isFile();
    });
}

bool isEnglish(const QString &name)
{
    // The C and POSIX locales show the source texts as they are.
    return name == QLatin1String(InterfaceLanguage::kEnglish)
        || name.startsWith(QLatin1String("en_")) || name == QLatin1String("C")
        || name == QLatin1String("POSIX");
}

// "de-DE" and "de_DE.UTF-8@euro" as "de_DE"; the catalogue of a country
// ("pt_BR") before that of the language ("pt").
QStringList cataloguesFor(const QString &name)
{
    QString plain = name;
    plain.replace(QLatin1Char('-'), QLatin1Char('_'));
    plain = plain.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    QStringList names { plain };
    const QString language = plain.section(QLatin1Char('_'), 0, 0);
    if (language != plain)
        names << language;
    return names;
}

std::optional<QString> catalogueFor(const QString &name, const QStringList &folders)
{
    for (const QString &candidate : cataloguesFor(name)) {
        // A name, never a path: nothing outside the folders is read.
        const bool plainName = !candidate.isEmpty() && std::ranges::all_of(candidate, [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
        });
        if (!plainName)
            continue;
        if (isEnglish(candidate))
            return QString::fromLatin1(InterfaceLanguage::kEnglish);
        if (hasCatalogue(candidate, folders))
            return candidate;
    }
    return std::nullopt;
}

void installCatalogue(const QString &name, const QStringList &folders)
{
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders) {
        if (catalogue->load(name, folder)) {
            QCoreApplication::installTranslator(catalogue);
            return;
        }
    }
    delete catalogue;
}

} // namespace

namespace InterfaceLanguage {

QStringList catalogueFolders(const QString &programFolder)
{
    const QDir folder(programFolder);
    return { folder.filePath(QStringLiteral("translations")),
        QDir::cleanPath(folder.filePath(QString::fromLatin1(kProgramToTranslations))) };
}

QStringList available(const QStringList &folders)
{
    QStringList languages { QString::fromLatin1(kEnglish) };
    for (const QString &folder : folders) {
        const auto files
            = QDir(folder).entryList({ kPrefix + QLatin1Char('*') + kSuffix }, QDir::Files);
        for (const QString &file : files)
            languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    }
    languages.sort();
    languages.removeDuplicates();
    return languages;
}

std::optional<QString> named(const QString &value, const QStringList &folders)
{
    const QString name = value.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    return catalogueFor(name, folders);
}

QString preferred(const QStringList &uiLanguages, const QStringList &folders)
{
    for (const QString &name : uiLanguages) {
        if (const auto language = catalogueFor(name, folders))
            return *language;
    }
    return QString::fromLatin1(kEnglish);
}

void install(const QString &language, const QStringList &folders)
{
    // English has the source texts, and only their plural forms to look up.
    if (language == QLatin1String(kEnglish)) {
        installCatalogue(kPrefix + language, folders);
        return;
    }
    // Qt's first, so that the program's own texts, looked up in the
    // catalogue installed last, win where both have a text.
    installCatalogue(QStringLiteral("qtbase_") + language,
        { QLibraryInfo::path(QLibraryInfo::TranslationsPath) });
    installCatalogue(kPrefix + language, folders);
}

Choice choose(
    const QStringList &arguments, const QStringList &uiLanguages, const QStringList &folders)
{
    const QString option = QStringLiteral("--") + QLatin1String(kOption);
    std::optional<QString> value;
    // Up to "--", after which everything is an argument. A --language
    // without a value is left to the command line's parser to refuse.
    for (qsizetype i = 1; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        if (arguments[i] == option && i + 1 < arguments.size())
            value = arguments[++i];
        else if (arguments[i].startsWith(option + QLatin1Char('=')))
            value = arguments[i].mid(option.size() + 1);
    }
    if (!value)
        return { preferred(uiLanguages, folders), std::nullopt };
    if (const auto language = named(*value, folders))
        return { *language, std::nullopt };
    return { preferred(uiLanguages, folders), value };
}

QString unknownLanguage(const QString &value, const QStringList &folders)
{
    return QCoreApplication::translate(
        "InterfaceLanguage", "--language: there is no translation for '%1'; the languages are: %2.")
        .arg(value, available(folders).join(QLatin1String(", ")));
}

} // namespace InterfaceLanguage
