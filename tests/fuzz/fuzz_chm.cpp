// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the help file reader and the viewer's page path: open
// the file, read #SYSTEM and the start page, parse the contents and index
// files, check the start page against the page limits and lay it out when
// it is within them. Built by cmake/fuzz.sh with clang; linked with
// replay_main.cpp it reads the regression files in the test suite and
// checks each against its expected outcome.
#include "chmreader/ChmArchive.h"
#include "chmreader/ContentsParser.h"
#include "chmreader/PageLimits.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <memory>
#include <string>

namespace {

// What the page path made of the start page, in a word.
QString showPage(const ChmArchive &archive)
{
    const auto entry = archive.entry(archive.defaultTopic());
    if (!entry)
        return QStringLiteral("missing");
    if (entry->length > quint64(PageLimits::kMaxPageBytes))
        return QStringLiteral("too-large");
    const auto page = archive.read(archive.defaultTopic());
    if (!page)
        return QStringLiteral("unreadable");
    if (PageLimits::breach(*page))
        return QStringLiteral("beyond-limits");
    QTextDocument document;
    document.setHtml(QString::fromUtf8(*page));
    document.setTextWidth(600);
    (void)document.documentLayout()->documentSize();
    // As the viewer does: a page that comes out as nothing is not shown.
    return document.toPlainText().trimmed().isEmpty() ? QStringLiteral("empty")
                                                      : QStringLiteral("shown");
}

qsizetype sitemapEntries(const ChmArchive &archive, const QString &name)
{
    const auto entry = archive.entry(name);
    if (!entry || entry->length > quint64(PageLimits::kMaxContentsBytes))
        return -1;
    const auto file = archive.read(name);
    return file ? parseContents(QString::fromUtf8(*file)).size() : -1;
}

QString indexFile(const ChmArchive &archive)
{
    for (const QString &name : archive.names()) {
        if (name.endsWith(QLatin1String(".hhk")))
            return name;
    }
    return {};
}

QString describe(const QByteArray &bytes)
{
    QString whyNot;
    const auto archive = ChmArchive::fromBytes(bytes, &whyNot);
    if (!archive)
        return QStringLiteral("fails: ") + whyNot;
    const QString page = showPage(*archive);
    const qsizetype contents = sitemapEntries(*archive, archive->contentsFile());
    const qsizetype index = sitemapEntries(*archive, indexFile(*archive));
    // Every file, in one forward pass, as a bulk reader would.
    (void)archive->readAll(archive->names(), 16 * 1024 * 1024);
    return QStringLiteral("loads entries=%1 topic=%2 title-length=%3 page=%4 contents=%5 index=%6")
        .arg(archive->names().size())
        .arg(archive->defaultTopic())
        .arg(archive->title().size())
        .arg(page)
        .arg(contents)
        .arg(index);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Layout needs fonts, and fonts need an application, but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto application = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    (void)describe(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}

// For the replay: one line saying what the reader and the page path made of the input.
std::string quorvelDescribeInput(const std::uint8_t *data, std::size_t size)
{
    return describe(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)))
        .toStdString();
}
