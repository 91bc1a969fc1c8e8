// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/ContentsParser.h"

#include "chmreader/HtmlTokenizer.h"

#include <optional>

QList<ContentsEntry> parseContents(const QString &hhc)
{
    QList<ContentsEntry> entries;
    int depth = -1;
    std::optional<ContentsEntry> open;
    HtmlTokenizer tokens(hhc);
    while (const auto tag = tokens.next()) {
        if (tag->name.compare(u"ul", Qt::CaseInsensitive) == 0) {
            depth = tag->closing ? std::max(depth - 1, -1) : std::min(depth + 1, kMaxContentsDepth);
        } else if (tag->name.compare(u"object", Qt::CaseInsensitive) == 0) {
            if (!tag->closing) {
                open = ContentsEntry { {}, {}, std::max(depth, 0) };
            } else if (open) {
                if (!open->name.isEmpty() || !open->local.isEmpty())
                    entries.append(*open);
                open.reset();
                if (entries.size() >= kMaxContentsEntries)
                    break;
            }
        } else if (open && !tag->closing && tag->name.compare(u"param", Qt::CaseInsensitive) == 0) {
            QStringView paramName, value;
            for (const auto &[attribute, text] : tag->attributes) {
                if (attribute.compare(u"name", Qt::CaseInsensitive) == 0)
                    paramName = text;
                else if (attribute.compare(u"value", Qt::CaseInsensitive) == 0)
                    value = text;
            }
            if (paramName.compare(u"Name", Qt::CaseInsensitive) == 0)
                open->name = value.toString();
            else if (paramName.compare(u"Local", Qt::CaseInsensitive) == 0)
                open->local = value.toString();
        }
    }
    return entries;
}
