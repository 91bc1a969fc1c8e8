// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/HtmlTokenizer.h"

namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u':' || c == u'.';
}

} // namespace

void HtmlTokenizer::skipBlanks()
{
    while (!atEnd() && current().isSpace())
        ++m_at;
}

QStringView HtmlTokenizer::word()
{
    const qsizetype start = m_at;
    while (!atEnd() && isNameCharacter(current()))
        ++m_at;
    return m_text.sliced(start, m_at - start);
}

std::optional<HtmlTag> HtmlTokenizer::next()
{
    while (!atEnd()) {
        const qsizetype open = m_text.indexOf(u'<', m_at);
        if (open < 0)
            break;
        m_at = open + 1;
        if (m_text.sliced(m_at).startsWith(u"!--")) {
            const qsizetype close = m_text.indexOf(u"-->", m_at + 3);
            if (close < 0)
                return finish();
            m_at = close + 3;
            continue;
        }
        skipBlanks();
        HtmlTag tag;
        if (!atEnd() && current() == u'/') {
            tag.closing = true;
            ++m_at;
            skipBlanks();
        }
        tag.name = word();
        if (tag.name.isEmpty())
            continue; // a lone "<": text, and the scan goes on after it
        // Attributes up to the closing ">"; each step moves forward.
        while (true) {
            skipBlanks();
            if (atEnd())
                return finish();
            if (current() == u'>') {
                ++m_at;
                return tag;
            }
            const QStringView name = word();
            if (name.isEmpty()) {
                ++m_at; // a stray "/", quote or other character
                continue;
            }
            skipBlanks();
            QStringView value;
            if (!atEnd() && current() == u'=') {
                ++m_at;
                skipBlanks();
                if (atEnd())
                    return finish();
                const QChar quote = current();
                if (quote == u'"' || quote == u'\'') {
                    const qsizetype end = m_text.indexOf(quote, m_at + 1);
                    if (end < 0)
                        return finish();
                    value = m_text.sliced(m_at + 1, end - m_at - 1);
                    m_at = end + 1;
                } else {
                    const qsizetype start = m_at;
                    while (!atEnd() && !current().isSpace() && current() != u'>')
                        ++m_at;
                    value = m_text.sliced(start, m_at - start);
                }
            }
            tag.attributes.append({ name, value });
        }
    }
    return finish();
}

std::nullopt_t HtmlTokenizer::finish()
{
    m_at = m_text.size();
    return std::nullopt;
}
