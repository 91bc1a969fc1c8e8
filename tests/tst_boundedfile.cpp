// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileio/BoundedFile.h"

#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QTest>
#include <sys/stat.h>

namespace {

using Kind = FileRefusal::Kind;

struct ReadRow {
    const char *name;
    const char *file; // what is at the path: "text", "fifo", "folder", "link", "none", "proc"
    BoundedRead limits;
    std::variant<std::string, Kind> outcome;
};

} // namespace

class TestBoundedFile : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        addRows<ReadRow>({
            { "a regular file, whole", "text", { .maxBytes = 5 }, std::string("hello") },
            { "only its head", "text", { .maxBytes = 5, .wanted = 2 }, std::string("he") },
            { "one byte over the limit", "text", { .maxBytes = 4 }, Kind::TooLarge },
            { "the limit holds when only the head is wanted", "text",
                { .maxBytes = 4, .wanted = 2 }, Kind::TooLarge },
            { "a FIFO is refused, not waited on", "fifo", { .maxBytes = 5 }, Kind::NotRegular },
            { "a folder", "folder", { .maxBytes = 5 }, Kind::NotRegular },
            { "nothing there", "none", { .maxBytes = 5 }, Kind::Missing },
            { "a link, followed", "link", { .maxBytes = 5 }, std::string("hello") },
            { "a link, refused", "link", { .maxBytes = 5, .followLinks = false },
                Kind::NotRegular },
            // Its size says 0; what is read decides. The kernel reads it
            // only in multiples of 8 bytes, so the limit is one short of one.
            { "a file that never ends", "proc", { .maxBytes = 65535 }, Kind::TooLarge },
        });
    }

    void reads()
    {
        QFETCH(ReadRow, row);
        TempFolder folder;
        const QString text = folder.write(QStringLiteral("text"), "hello");
        const QByteArray path = QFile::encodeName(folder.path(QString::fromLatin1(row.file)));
        const std::string file(row.file);
        if (file == "fifo")
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        if (file == "folder")
            QVERIFY(QDir().mkdir(QString::fromLocal8Bit(path)));
        if (file == "link")
            QVERIFY(QFile::link(text, QString::fromLocal8Bit(path)));
        const auto got = readBounded(file == "proc" ? std::filesystem::path("/proc/self/pagemap")
                                                    : std::filesystem::path(path.toStdString()),
            row.limits);
        if (const auto *bytes = std::get_if<std::string>(&row.outcome)) {
            QVERIFY(std::holds_alternative<FileBytes>(got));
            QCOMPARE(std::get<FileBytes>(got).bytes, *bytes);
        } else {
            QVERIFY(std::holds_alternative<FileRefusal>(got));
            QCOMPARE(std::get<FileRefusal>(got).kind, std::get<Kind>(row.outcome));
        }
    }

    void cancelled()
    {
        const std::atomic<bool> cancel = true;
        const auto got = readBounded(
            "/proc/self/pagemap", { .maxBytes = std::size_t(1) << 40, .cancel = &cancel });
        QVERIFY(std::holds_alternative<FileRefusal>(got));
        QCOMPARE(std::get<FileRefusal>(got).kind, Kind::Cancelled);
    }

    void stampTellsANewVersion()
    {
        TempFolder folder;
        const QString path = folder.write(QStringLiteral("a"), "one");
        const auto first = std::get<FileStamp>(stampOf(path.toStdString()));
        QCOMPARE(first.size, 3u);
        // Replaced by another file of the same size: another inode.
        const QString other = folder.write(QStringLiteral("b"), "two");
        QVERIFY(QFile::remove(path) && QFile::rename(other, path));
        const auto second = std::get<FileStamp>(stampOf(path.toStdString()));
        QVERIFY(!(first == second));
        QVERIFY(std::holds_alternative<FileRefusal>(
            stampOf(folder.path(QStringLiteral("x")).toStdString())));
    }
};

QTEST_GUILESS_MAIN(TestBoundedFile)
#include "tst_boundedfile.moc"
