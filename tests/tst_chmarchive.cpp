// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/ChmArchive.h"
#include "chmreader/ContentsParser.h"
#include "tests/support/ChmWriter.h"
#include "tests/support/Rows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;
const QString kHelpChm = QStringLiteral(QUORVEL_HELP_CHM);

struct LinkRow {
    const char *name;
    int chunks;
    QHash<int, quint32> links;
    bool loads;
};
struct StartRow {
    const char *name;
    QList<std::pair<quint16, QByteArray>> system; // #WINDOWS and #STRINGS name start.html
    QString topic;
    QByteArray title; // UTF-8
};
struct WindowsRow {
    const char *name;
    quint32 entrySize; // as #WINDOWS says
    int bytes; // of window types the file holds
    bool read; // the start page is taken from it
};
struct FileRow {
    const char *name;
    QString kind; // of what is in the help file's place
    const char *reason;
};

} // namespace

class TestChmArchive : public QObject {
    Q_OBJECT

private slots:
    void directoryLinks_data()
    {
        addRows<LinkRow>({ { "a plain chain", 3, {}, true },
            { "a chunk that points to itself", 1, { { 0, 0 } }, false },
            { "a cycle of two", 2, { { 1, 0 } }, false },
            { "a cycle back to the middle", 4, { { 3, 1 } }, false },
            { "a link past the directory", 2, { { 0, 7 } }, false } });
    }
    void directoryLinks()
    {
        QFETCH(LinkRow, row);
        ChmWriter writer({ { 0, "toc.hhc" } });
        for (int i = 1; i < row.chunks; ++i)
            writer.addFile("/page" + QByteArray::number(i) + ".html", "<p>x</p>");
        writer.entriesPerChunk = 1;
        writer.nextChunk = row.links;
        QString why;
        const auto archive = ChmArchive::fromBytes(writer.build(), &why);
        QCOMPARE(bool(archive), row.loads);
        if (row.loads) {
            QCOMPARE(archive->names().size(), qsizetype(row.chunks));
            QCOMPARE(archive->contentsFile(), u"toc.hhc"_s);
        } else {
            QVERIFY2(why.contains(u"chunk"), qPrintable(why));
        }
    }

    void entriesAreReadWhenAskedForUpToTheTotalCap()
    {
        ChmWriter writer;
        const QStringList names { "one", "two", "three" };
        for (const QString &name : names)
            writer.addFile("/" + name.toLatin1(), QByteArray(100, 'x'));
        writer.addFile("/big.bin", QByteArray(1 << 20, 'b'));
        // Over the cap of one entry, though within what one reading may produce.
        writer.addFile("/huge.bin", QByteArray(ChmArchive::kMaxEntrySize + 1, 'h'));
        writer.addEntry({ "/broken.html", 0, 1u << 30, 10 }); // past the end of the file
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        QVERIFY2(archive->bytesRead() < 64 * 1024, "opening must not read every file");
        QCOMPARE(archive->read("/BIG.bin")->size(), 1 << 20);
        // One at a time or together, the same files are refused.
        const QStringList refused { "huge.bin", "broken.html", "missing.html" };
        for (const QString &name : refused)
            QVERIFY2(!archive->read(name), qPrintable(name));
        QStringList together = archive->readAll(refused + names).keys();
        together.sort();
        QCOMPARE(together, QStringList({ "one", "three", "two" }));
        const QHash<QString, QByteArray> capped = archive->readAll(names, 250);
        QVERIFY(capped.size() == 2 && capped.contains("one") && capped.contains("two")); // in order
    }

    void manyTinyEntriesAreReadInStreamOrderWithinTheStreamCap()
    {
        // The compressed section of the built help file, with the stored files the
        // decompressor needs (names are looked up in any case), under a directory of our own.
        const auto real = ChmArchive::load(kHelpChm);
        QVERIFY(real);
        ChmWriter writer;
        quint64 length = 0; // of the uncompressed stream
        for (const QString &name : real->names()) {
            const ChmEntry entry = *real->entry(name);
            if (entry.section == 1)
                length = std::max(length, entry.offset + entry.length);
            else if (name.startsWith(u"::dataspace/storage/mscompressed/")) // in any case
                writer.addFile(name.toUtf8(), *real->read(name));
        }
        QVERIFY(length > 1000);
        constexpr int kCount = 200000;
        // Named in the opposite order of their places in the stream.
        QStringList names;
        for (int i = 0; i < kCount; ++i) {
            const QByteArray name = "/e" + QByteArray::number(i).rightJustified(6, '0');
            writer.addEntry({ name, 1, quint64(kCount - 1 - i) % length, 1 });
            names.append(QString::fromLatin1(name));
        }
        writer.addEntry({ "/whole", 1, 0, length });
        writer.addEntry({ "/far", 1, quint64(ChmArchive::kMaxTotalSize) - 10, 20 });
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        const qint64 opened = archive->bytesRead(); // before the stream is decompressed
        QVERIFY(!archive->read("far")); // it ends past the cap
        QCOMPARE(archive->bytesRead(), opened); // refused before decompressing anything
        const QByteArray whole = *archive->read("whole");
        const qint64 before = archive->bytesRead();
        const QHash<QString, QByteArray> files = archive->readAll(names);
        QCOMPARE(files.size(), kCount);
        const qint64 packed = archive->entry("::DataSpace/Storage/MSCompressed/Content")->length;
        QVERIFY2(archive->bytesRead() - before < 3 * packed,
            "the decompressor must go forward along the stream, not start again for each file");
        for (int i : { 0, 1, kCount / 2, kCount - 1 }) {
            const qsizetype offset = qsizetype(quint64(kCount - 1 - i) % length);
            QCOMPARE(files.value(names[i].mid(1)), whole.mid(offset, 1));
        }
    }

    void startPage_data()
    {
        const QByteArray big(300, 'w'); // records of 256 bytes and more
        addRows<StartRow>({ { "only in #WINDOWS/#STRINGS", { { 3, "T\0"_ba } }, "start.html", "T" },
            { "#SYSTEM first", { { 2, "own.html\0"_ba } }, "own.html", "" },
            { "long records", { { 9, big }, { 3, big + '\0' }, { 2, "p.html" } }, "p.html", big },
            { "title with no NUL", { { 3, "Title" }, { 2, "b.html\0"_ba } }, "b.html", "Title" } });
    }
    void startPage()
    {
        QFETCH(StartRow, row);
        ChmWriter writer(row.system);
        // One window type of 0x100 bytes, its start page at 5 in #STRINGS.
        QByteArray windows = QByteArray::fromHex("0100000000010000") + QByteArray(0x100, '\0');
        windows[8 + 0x68] = 5;
        writer.addFile("/#WINDOWS", windows);
        writer.addFile("/#STRINGS", "\0abc\0start.html\0"_ba);
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        QCOMPARE(archive->defaultTopic(), row.topic);
        QCOMPARE(archive->title(), QString::fromUtf8(row.title));
    }

    void contentsParserIsLinear_data()
    {
        addRows<QString>("hhc",
            { { "< and a million blanks", "<" + QString(1000000, u' ') },
                { "unclosed tags", u"<param name=x "_s.repeated(200000) },
                { "an unclosed quote", "<object><param name=\"" + QString(1000000, u'a') },
                { "an unclosed comment", u"<!--"_s.repeated(200000) } });
    }
    void contentsParserIsLinear()
    {
        // A backtracking parser takes minutes here, and the test's timeout fails it.
        QFETCH(QString, hhc);
        QVERIFY(parseContents(hhc).isEmpty());
    }

    void contentsParserReadsAttributes()
    {
        // "x:name" and "ul:x" are names of their own, not "name" and "ul".
        const QString hhc = "<ul><li><object type=text/sitemap><param name='Name' x:name=Local "
                            "value=\"A > B\">\n<param value=a.html name=local /></object><ul:x>"
                            "<!-- <object><param name=\"Name\" value=\"C\"></object> -->"
                            "<ul><li><object><param name=\"Name\" value=\"D\"></object></ul>"
                            "<li><object><param name=\"Name\" value=\"E\"></object></ul>";
        QStringList read;
        for (const ContentsEntry &entry : parseContents(hhc))
            read.append(entry.name + '|' + entry.local + '|' + QString::number(entry.depth));
        QCOMPARE(read, QStringList({ "A > B|a.html|0", "D||1", "E||0" })); // E back out of D's list
    }

    // The start page is read from a window type only where its entry holds
    // the page's offset and the file holds the entry.
    void windowEntriesBounded_data()
    {
        addRows<WindowsRow>({ { "an entry just holding the offset", 0x6C, 0x6C, true },
            { "an entry a byte short of it", 0x6B, 0x100, false },
            { "an entry filling the file", 0x100, 0x100, true },
            { "an entry a byte past the file", 0x100, 0xFF, false } });
    }
    void windowEntriesBounded()
    {
        QFETCH(WindowsRow, row);
        ChmWriter writer;
        QByteArray windows(8 + row.bytes, '\0');
        windows[0] = 1;
        for (int i = 0; i < 4; ++i)
            windows[4 + i] = char(row.entrySize >> (8 * i));
        windows[8 + 0x68] = 5;
        writer.addFile("/#WINDOWS", windows);
        writer.addFile("/#STRINGS", "\0abc\0start.html\0"_ba);
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        QCOMPARE(archive->defaultTopic(), row.read ? QStringLiteral("start.html") : QString());
    }

    void onlyRegularFilesOfBoundedSize_data()
    {
        // Refused before it is read at all: reading a terabyte would time the test out.
        addRows<FileRow>({ { "a file that says it is a terabyte", "sparse", "larger than 64 MB" },
            { "a FIFO", "fifo", "not a regular file" } });
    }
    void onlyRegularFilesOfBoundedSize()
    {
        QFETCH(FileRow, row);
        QTemporaryDir dir;
        QFile file(dir.filePath("help.chm"));
        if (row.kind == u"fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(file.fileName()).constData(), 0600), 0);
        else if (row.kind == u"sparse") // nothing is really written
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 40));
        QString why;
        QVERIFY(!ChmArchive::load(file.fileName(), &why));
        QVERIFY2(why.contains(row.reason), qPrintable(why));
    }

    void readingGivesUpWhenTold()
    {
        const std::atomic<bool> cancel { true };
        QString why;
        QVERIFY(!ChmArchive::load(kHelpChm, &why, &cancel));
        QVERIFY2(why.contains(u"cancelled"), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestChmArchive)
#include "tst_chmarchive.moc"
