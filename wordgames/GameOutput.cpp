// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <compare>

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool wordOrder(std::string_view a, std::string_view b)
{
    const auto folded = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(),
        b.end(), [](char x, char y) { return lower(x) <=> lower(y); });
    return std::is_neq(folded) ? std::is_lt(folded) : a < b;
}

bool longestFirst(std::string_view a, std::string_view b)
{
    return a.size() != b.size() ? a.size() > b.size() : wordOrder(a, b);
}

std::size_t GameResult::letters() const
{
    std::size_t count = 0;
    for (const std::string &word : words)
        count += word.size();
    return count;
}

QByteArray formatResults(const std::vector<GameResult> &results, bool json)
{
    if (json) {
        QJsonArray array;
        for (const GameResult &result : results) {
            QJsonArray words;
            for (const std::string &word : result.words)
                words.append(QString::fromStdString(word));
            array.append(QJsonObject { { QStringLiteral("words"), words },
                { QStringLiteral("letters"), static_cast<qint64>(result.letters()) } });
        }
        return QJsonDocument(array).toJson(QJsonDocument::Compact) + '\n';
    }
    QByteArray text;
    for (const GameResult &result : results) {
        for (std::size_t i = 0; i < result.words.size(); ++i) {
            if (i > 0)
                text += ' ';
            text += result.words[i];
        }
        text += '\n';
    }
    return text;
}
