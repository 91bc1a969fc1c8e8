// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/CodeGlue.h"

#include <QFontInfo>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The invisible character that forbids a line break where it stands.
constexpr QChar kWordJoiner(0x2060);

// Code is what is shown in a fixed-pitch font, however the page asks for it:
// a font of its own, or the generic family, which <code> asks for and which
// fontconfig may give a font it does not call fixed-pitch (Noto Sans Mono).
bool isCode(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return format.fontFixedPitch() || QFontInfo(format.font()).fixedPitch()
        || families.contains(QStringLiteral("monospace"), Qt::CaseInsensitive);
}

} // namespace

// Qt's pages honour "white-space" only for whole paragraphs, so code and
// paths in running text would still break after a slash or a hyphen, or at
// a blank: their letters are glued together. Linear in the page's length.
void keepCodeTogether(QTextDocument &document)
{
    struct Span {
        int position;
        QString text;
    };
    QList<Span> spans;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && !block.blockFormat().nonBreakableLines()
                && isCode(fragment.charFormat()))
                spans.append({ fragment.position(), fragment.text() });
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    // From the end, so that the positions still ahead stay right.
    for (qsizetype k = spans.size(); k-- > 0;) {
        const auto &span = spans.at(k);
        QString glued;
        glued.reserve(span.text.size() * 2);
        for (qsizetype i = 0; i < span.text.size(); ++i) {
            const QChar ch = span.text[i];
            glued.append(ch == u' ' ? QChar(QChar::Nbsp) : ch);
            if (i + 1 < span.text.size() && span.text[i + 1] != kWordJoiner
                && (ch == u'/' || ch == u'-' || ch == u'\\'))
                glued.append(kWordJoiner);
        }
        if (glued == span.text)
            continue;
        cursor.setPosition(span.position);
        cursor.setPosition(span.position + int(span.text.size()), QTextCursor::KeepAnchor);
        cursor.insertText(glued, cursor.charFormat());
    }
    cursor.endEditBlock();
}

QString withoutGlue(QString text)
{
    return text.remove(kWordJoiner).replace(QChar(QChar::Nbsp), u' ');
}
