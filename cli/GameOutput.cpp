// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/GameOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
