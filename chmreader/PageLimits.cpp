// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/PageLimits.h"

#include "chmreader/HtmlTokenizer.h"

#include <QCoreApplication>
#include <QSet>

namespace {

// Elements that stay open until closed, so that each one opened inside
// another adds a level; those the parser closes by itself (p, li, td) do not.
bool nests(QStringView name)
{
    static const QSet<QString> containers { "a", "b", "big", "blockquote", "center", "cite", "code",
        "dd", "div", "dl", "em", "font", "h1", "h2", "h3", "h4", "h5", "h6", "i", "ol", "pre", "q",
        "s", "small", "span", "strong", "sub", "sup", "table", "tt", "u", "ul" };
    return containers.contains(name.toString().toLower());
}

} // namespace

std::optional<QString> PageLimits::breach(const QByteArray &html)
{
    if (html.size() > kMaxPageBytes)
        return QCoreApplication::translate(
            "PageLimits", "The page is larger than the limit of %1 KB.")
            .arg(kMaxPageBytes / 1024);
    const QString text = QString::fromUtf8(html);
    int depth = 0, tables = 0, elements = 0, cells = 0;
    HtmlTokenizer tokens(text);
    while (const auto tag = tokens.next()) {
        if (!tag->closing && ++elements > kMaxElements)
            return QCoreApplication::translate(
                "PageLimits", "The page has more elements than the limit of %1.")
                .arg(kMaxElements);
        if (!tag->closing
            && (tag->name.compare(u"td", Qt::CaseInsensitive) == 0
                || tag->name.compare(u"th", Qt::CaseInsensitive) == 0)
            && ++cells > kMaxTableCells)
            return QCoreApplication::translate(
                "PageLimits", "The page has more table cells than the limit of %1.")
                .arg(kMaxTableCells);
        if (!nests(tag->name))
            continue;
        const bool table = tag->name.compare(u"table", Qt::CaseInsensitive) == 0;
        if (tag->closing) {
            depth = std::max(depth - 1, 0);
            if (table)
                tables = std::max(tables - 1, 0);
            continue;
        }
        if (++depth > kMaxNesting)
            return QCoreApplication::translate(
                "PageLimits", "The page nests its elements deeper than the limit of %1 levels.")
                .arg(kMaxNesting);
        if (table && ++tables > kMaxTableNesting)
            return QCoreApplication::translate(
                "PageLimits", "The page nests tables deeper than the limit of %1 levels.")
                .arg(kMaxTableNesting);
    }
    return std::nullopt;
}
