// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/HiveText.h"

namespace HiveText {

QString decode(const QByteArray &file)
{
    if (file.startsWith("\xFF\xFE")) {
        const QByteArray body = file.mid(2);
        return QString::fromUtf16(
            reinterpret_cast<const char16_t *>(body.constData()), body.size() / 2);
    }
    return QString::fromUtf8(file); // drops a UTF-8 byte-order mark
}

bool onlyCommentAfter(const QString &line, qsizetype at)
{
    for (; at < line.size(); ++at) {
        if (line[at] == u';')
            return true;
        if (line[at] != u' ' && line[at] != u'\t')
            return false;
    }
    return true;
}

std::optional<QString> quoted(const QString &line, qsizetype at, qsizetype &end)
{
    QString text;
    for (qsizetype i = at + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"') {
            end = i + 1;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i >= line.size())
            return std::nullopt;
        switch (line[i].unicode()) {
        case u'\\':
            text += u'\\';
            break;
        case u'"':
            text += u'"';
            break;
        case u'n':
            text += u'\n';
            break;
        case u'r':
            text += u'\r';
            break;
        case u'0':
            text += QChar(0);
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

std::optional<QByteArray> dwordData(const QString &text)
{
    if (text.size() < 8)
        return std::nullopt;
    for (qsizetype i = 0; i < 8; ++i) {
        if (!isHexDigit(text[i]))
            return std::nullopt;
    }
    if (!onlyCommentAfter(text, 8))
        return std::nullopt;
    const std::uint32_t number = text.left(8).toUInt(nullptr, 16);
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

std::optional<QByteArray> hexBytes(const QString &text, qsizetype limit)
{
    QByteArray bytes;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
            ++i;
    };
    skipBlanks();
    while (i < text.size() && text[i] != u';') {
        if (i + 1 >= text.size() || !isHexDigit(text[i]) || !isHexDigit(text[i + 1]))
            return std::nullopt;
        if (bytes.size() >= limit)
            return std::nullopt;
        bytes.append(static_cast<char>(text.mid(i, 2).toUInt(nullptr, 16)));
        i += 2;
        skipBlanks();
        if (i < text.size() && text[i] == u',') {
            ++i;
            skipBlanks();
        } else if (i < text.size() && text[i] != u';') {
            return std::nullopt;
        }
    }
    return bytes;
}

QByteArray utf16ToAnsi(const QByteArray &bytes)
{
    return QString::fromUtf16(
        reinterpret_cast<const char16_t *>(bytes.constData()), bytes.size() / 2)
        .toUtf8();
}

} // namespace HiveText
