// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/RunSummary.h"

#include "hunspellfiles/Reason.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// "de" of "de_DE", "de-AT", "de_DE@euro" or "de".
QString languageCode(const QString &name)
{
    return name.section(QLatin1Char('@'), 0, 0)
        .section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0)
        .toLower();
}

QString dictionaryName(const RunReport &run)
{
    return run.dictionary ? QString::fromStdString(run.dictionary->filename().string()) : QString();
}

} // namespace

QString reasonText(const std::string &reason)
{
    // A reason with a part of its own: the part may be a reason too.
    if (const auto parsed = Reason::parse(reason))
        return QCoreApplication::translate("Reason", parsed->form).arg(reasonText(parsed->part));
    return QCoreApplication::translate("Reason", reason.c_str());
}

QString runSummary(const RunReport &run)
{
    QStringList lines;
    if (run.dictionary) {
        lines << QCoreApplication::translate("RunSummary", "Dictionary: %1 (%2)")
                     .arg(dictionaryName(run), QString::fromStdString(run.dictionary->string()));
    }
    if (!run.engine.empty())
        lines << QCoreApplication::translate("RunSummary", "Spelling checker: %1")
                     .arg(QString::fromStdString(run.engine));
    if (run.loose) {
        lines << QCoreApplication::translate("RunSummary",
            "Letters matched loosely: case does not matter, nor a mark that is no letter of its "
            "own in the dictionary's language");
    }
    if (run.indexed) {
        lines << QCoreApplication::translate(
            "RunSummary", "Found through the word index, each word confirmed by the checker");
    } else if (!run.fallback.empty()) {
        lines << QCoreApplication::translate("RunSummary", "Every arrangement tried: %1")
                     .arg(reasonText(run.fallback));
    } else {
        lines << QCoreApplication::translate("RunSummary", "Every arrangement tried");
    }
    const double seconds = std::chrono::duration<double>(run.time).count();
    lines << QCoreApplication::translate("RunSummary", "Time: %1 s")
                 .arg(QLocale().toString(seconds, 'f', seconds < 10 ? 2 : 1));
    return lines.join(QLatin1Char('\n'));
}

QString missingLanguageNote(const std::optional<std::string> &askedLanguage, const RunReport &run)
{
    if (!askedLanguage || !run.dictionary)
        return {};
    const QString asked = QString::fromStdString(*askedLanguage);
    const QString answered = dictionaryName(run);
    if (languageCode(asked) == languageCode(answered))
        return {};
    return QCoreApplication::translate("RunSummary",
        "No dictionary for your language (%1) is installed, so the %2 dictionary answered. "
        "Install the Hunspell dictionary of your language (a package named like "
        "hunspell-%3) to search in it.")
        .arg(asked, answered, languageCode(asked));
}
