// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOutput.h"

#include "letters/Letters.h"
#include "search/RunSummary.h"
#include "wordgames/GameStops.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <climits>

namespace {

// The word with the letters blanks stand for in brackets: a[b]st[a]iner,
// [ñ]oño.
QByteArray marked(const std::string &word, const std::vector<std::size_t> &blanks)
{
    if (blanks.empty())
        return QByteArray::fromStdString(word);
    QByteArray text;
    const std::vector<std::string> letters = splitLetters(word).value_or(std::vector { word });
    for (std::size_t at = 0; at < letters.size(); ++at) {
        const bool blank = std::ranges::find(blanks, at) != blanks.end();
        if (blank)
            text += '[';
        text += QByteArray::fromStdString(letters[at]);
        if (blank)
            text += ']';
    }
    return text;
}

// Why the game stopped early, in the user's language.
QString stopText(const std::string &why)
{
    if (const auto parsed = GameStops::parse(why)) {
        QString text = QCoreApplication::translate("Reason", parsed->form);
        for (const std::string &number : parsed->numbers)
            text = text.arg(QString::fromStdString(number));
        return text;
    }
    return reasonText(why); // the compound search's
}

} // namespace

QByteArray formatResults(const std::vector<GameResult> &results, GameFormat format)
{
    if (format == GameFormat::Json) {
        QJsonArray array;
        for (const GameResult &result : results) {
            QJsonArray words;
            QJsonArray blanks;
            for (std::size_t w = 0; w < result.words.size(); ++w) {
                words.append(QString::fromStdString(result.words[w]));
                QJsonArray positions;
                if (w < result.blanks.size()) {
                    for (const std::size_t position : result.blanks[w])
                        positions.append(static_cast<qint64>(position));
                }
                blanks.append(positions);
            }
            QJsonObject object { { QStringLiteral("words"), words },
                { QStringLiteral("letters"), static_cast<qint64>(result.letters()) },
                { QStringLiteral("blanks"), blanks } };
            if (result.score)
                object.insert(QStringLiteral("score"), static_cast<qint64>(*result.score));
            array.append(object);
        }
        return QJsonDocument(array).toJson(QJsonDocument::Compact) + '\n';
    }
    QByteArray text;
    for (const GameResult &result : results) {
        for (std::size_t i = 0; i < result.words.size(); ++i) {
            if (i > 0)
                text += ' ';
            text += i < result.blanks.size() ? marked(result.words[i], result.blanks[i])
                                             : QByteArray::fromStdString(result.words[i]);
        }
        if (result.score)
            text += '\t' + QByteArray::number(*result.score);
        text += '\n';
    }
    return text;
}

std::vector<std::string> gameNotes(
    const GameQuery &query, const GameOutcome &outcome, CheckerAsked checker)
{
    const bool some = query.mode == GameMode::Some;
    const auto shown = static_cast<qulonglong>(outcome.results.size());
    std::vector<QString> notes;
    // The counts after the first are labelled, so that only the first needs a plural.
    const int count = static_cast<int>(std::min<qulonglong>(shown, INT_MAX));
    const auto candidates = static_cast<qulonglong>(outcome.candidates);
    const double seconds = std::chrono::duration<double>(outcome.time).count();
    if (checker == CheckerAsked::No) {
        // The player's list judged the words: no checker was asked anything.
        notes.push_back((some ? QCoreApplication::translate(
                             "GameOutput", "%n word(s); candidate words: %1, %2 s", nullptr, count)
                              : QCoreApplication::translate("GameOutput",
                                  "%n phrase(s); candidate words: %1, %2 s", nullptr, count))
                            .arg(candidates)
                            .arg(seconds, 0, 'f', 3));
    } else {
        notes.push_back((some ? QCoreApplication::translate("GameOutput",
                             "%n word(s); candidate words: %1, questions to the checker: "
                             "%2, %3 s",
                             nullptr, count)
                              : QCoreApplication::translate("GameOutput",
                                  "%n phrase(s); candidate words: %1, questions to the checker: "
                                  "%2, %3 s",
                                  nullptr, count))
                            .arg(candidates)
                            .arg(static_cast<qulonglong>(outcome.questions))
                            .arg(seconds, 0, 'f', 3));
    }
    if (outcome.limited && some)
        notes.push_back(QCoreApplication::translate(
            "GameOutput", "stopped after %1 of %2 words, the limit (--limit)")
                            .arg(shown)
                            .arg(static_cast<qulonglong>(outcome.found)));
    else if (outcome.limited)
        notes.push_back(QCoreApplication::translate("GameOutput",
            "stopped after %n phrase(s), the limit (--limit); there are more", nullptr, count));
    if (!outcome.unfinished.empty())
        notes.push_back(
            QCoreApplication::translate("GameOutput", "stopped early: %1; the list is not complete")
                .arg(stopText(outcome.unfinished)));
    if (outcome.leftOut > 0) {
        const int left = static_cast<int>(std::min<std::size_t>(outcome.leftOut, INT_MAX));
        notes.push_back(outcome.leftOutAtLeast ? QCoreApplication::translate(
                            "GameOutput", "at least %n candidate word(s) left out", nullptr, left)
                                               : QCoreApplication::translate("GameOutput",
                                                   "%n candidate word(s) left out", nullptr, left));
    }
    std::vector<std::string> lines;
    lines.reserve(notes.size());
    for (const QString &note : notes)
        lines.push_back(note.toStdString());
    return lines;
}
