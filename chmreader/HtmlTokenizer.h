// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>
#include <optional>

// One tag of an HTML text: <name a="b">, </name> or <name/>.
struct HtmlTag {
    QStringView name;
    bool closing = false;
    QList<std::pair<QStringView, QStringView>> attributes; // name, value without quotes
};

// Finds the tags of an HTML text in one forward pass: every character is
// looked at a bounded number of times, whatever the text, so a hostile text
// costs time in proportion to its length. Comments are skipped; a tag left
// open at the end of the text ends the tags.
class HtmlTokenizer {
public:
    explicit HtmlTokenizer(QStringView text)
        : m_text(text)
    {
    }

    [[nodiscard]] std::optional<HtmlTag> next();

private:
    [[nodiscard]] bool atEnd() const { return m_at >= m_text.size(); }
    [[nodiscard]] QChar current() const { return m_text[m_at]; }
    void skipBlanks();
    std::nullopt_t finish();
    [[nodiscard]] QStringView word();

    QStringView m_text;
    qsizetype m_at = 0;
};
