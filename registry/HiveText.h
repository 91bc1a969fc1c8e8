// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// The pieces of a Registry Editor export line: quoted strings, dword and
// hex data. Each reads one already joined line and refuses what it does not
// know rather than guess.
namespace HiveText {

// Text of the file: UTF-16LE when it starts with that byte-order mark (as
// regedit writes it), UTF-8 otherwise, without a UTF-8 byte-order mark.
[[nodiscard]] QString decode(const QByteArray &file);

// True when nothing but blanks and a comment follow position at.
[[nodiscard]] bool onlyCommentAfter(const QString &line, qsizetype at);

// A quoted string starting at line[at] == '"'; sets end to just past the
// closing quote. Nothing when it is not closed or has an unknown escape.
[[nodiscard]] std::optional<QString> quoted(const QString &line, qsizetype at, qsizetype &end);

[[nodiscard]] bool isHexDigit(QChar c);

// Exactly eight hex digits (what follows "dword:"), as four little-endian bytes.
[[nodiscard]] std::optional<QByteArray> dwordData(const QString &text);

// A comma-separated list of two-digit hex bytes (line continuations already
// joined), at most limit bytes; an empty list is allowed.
[[nodiscard]] std::optional<QByteArray> hexBytes(const QString &text, qsizetype limit);

// UTF-16LE bytes as UTF-8; an odd last byte is dropped.
[[nodiscard]] QByteArray utf16ToAnsi(const QByteArray &bytes);

} // namespace HiveText
