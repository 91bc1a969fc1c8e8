// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ChmArchive.h"
#include "tests/support/ChmWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString kHelpChm = QStringLiteral(QUORVEL_HELP_CHM);
using Links = QHash<int, quint32>;
const QByteArray kContent = "::DataSpace/Storage/MSCompressed/Content";

// A writer that already holds a start page, so that the file loads.
ChmWriter withStartPage()
{
    ChmWriter writer;
    writer.addFile("/#SYSTEM", ChmWriter::system(ChmWriter::systemRecord(2, "a.html\0")));
    writer.addFile("/a.html", "<p>A</p>");
    return writer;
}

// The compressed section of the built help file, with the stored files the
// decompressor needs (names are looked up in any case), under a directory
// the test writes itself.
struct CompressedStream {
    ChmWriter writer;
    quint64 length = 0; // of the uncompressed stream
};

CompressedStream compressedStreamOfTheHelpFile()
{
    CompressedStream stream;
    const auto real = ChmArchive::load(kHelpChm);
    if (!real)
        return stream;
    for (const QString &name : real->names()) {
        const ChmEntry entry = *real->entry(name);
        if (entry.section == 1)
            stream.length = std::max(stream.length, entry.offset + entry.length);
        else if (name.startsWith(u"::dataspace/storage/mscompressed/")) // in any case
            stream.writer.addFile(name.toUtf8(), *real->read(name));
    }
    return stream;
}

} // namespace

class TestChmArchive : public QObject {
    Q_OBJECT

private slots:
    void directoryLinks_data()
    {
        QTest::addColumn<int>("chunks");
        QTest::addColumn<Links>("links");
        QTest::addColumn<bool>("loads");
        QTest::newRow("a plain chain") << 3 << Links() << true;
        QTest::newRow("a chunk that points to itself") << 1 << Links { { 0, 0 } } << false;
        QTest::newRow("a cycle of two") << 2 << Links { { 1, 0 } } << false;
        QTest::newRow("a cycle back to the middle") << 4 << Links { { 3, 1 } } << false;
        QTest::newRow("a link past the directory") << 2 << Links { { 0, 7 } } << false;
    }
    void directoryLinks()
    {
        QFETCH(int, chunks);
        QFETCH(Links, links);
        QFETCH(bool, loads);
        ChmWriter writer = withStartPage();
        for (int i = 2; i < chunks; ++i)
            writer.addFile("/page" + QByteArray::number(i) + ".html", "<p>x</p>");
        writer.entriesPerChunk = 1;
        writer.nextChunk = links;
        QString why;
        const auto archive = ChmArchive::fromBytes(writer.build(), &why);
        QCOMPARE(bool(archive), loads);
        if (loads) {
            QCOMPARE(archive->entryCount(), qsizetype(chunks));
            QCOMPARE(archive->defaultTopic(), QStringLiteral("a.html"));
        } else {
            QVERIFY2(why.contains(u"chunk"), qPrintable(why));
        }
    }

    void entriesAreReadWhenAskedFor()
    {
        ChmWriter writer = withStartPage();
        writer.addFile("/big.bin", QByteArray(1 << 20, 'b'));
        writer.addEntry({ "/broken.html", 0, 1u << 30, 10 }); // past the end of the file
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        QVERIFY2(archive->bytesRead() < 64 * 1024, "opening must not read every file");
        QVERIFY(!archive->read("broken.html"));
        QCOMPARE(archive->read("/BIG.bin")->size(), 1 << 20);
    }

    void manyTinyEntriesAreReadInStreamOrder()
    {
        CompressedStream stream = compressedStreamOfTheHelpFile();
        QVERIFY(stream.length > 1000);
        constexpr int kCount = 200000;
        // Named in the opposite order of their places in the stream.
        QStringList names;
        for (int i = 0; i < kCount; ++i) {
            const QByteArray name = "/e" + QByteArray::number(i).rightJustified(6, '0');
            stream.writer.addEntry({ name, 1, quint64(kCount - 1 - i) % stream.length, 1 });
            names.append(QString::fromLatin1(name));
        }
        stream.writer.addEntry({ "/whole", 1, 0, stream.length });
        const auto archive = ChmArchive::fromBytes(stream.writer.build());
        QVERIFY(archive);
        const QByteArray whole = *archive->read("whole");
        const qint64 before = archive->bytesRead();
        const QHash<QString, QByteArray> files = archive->readAll(names);
        QCOMPARE(files.size(), kCount);
        const qint64 compressed = archive->entry(QString::fromLatin1(kContent))->length;
        QVERIFY2(archive->bytesRead() - before < 3 * compressed,
            "the decompressor must go forward along the stream, not start again for each file");
        for (int i : { 0, 1, kCount / 2, kCount - 1 }) {
            const qsizetype offset = qsizetype(quint64(kCount - 1 - i) % stream.length);
            QCOMPARE(files.value(names[i].mid(1)), whole.mid(offset, 1));
        }
    }

    void streamCap()
    {
        CompressedStream stream = compressedStreamOfTheHelpFile();
        stream.writer.addEntry(
            { "/far", 1, quint64(ChmArchive::kMaxTotalSize) - 10, 20 }); // ends past the cap
        stream.writer.addEntry({ "/near", 1, 0, 20 });
        const auto archive = ChmArchive::fromBytes(stream.writer.build());
        QVERIFY(archive);
        const qint64 before = archive->bytesRead();
        QVERIFY(!archive->read("far"));
        QCOMPARE(archive->bytesRead(), before); // refused before decompressing anything
        QCOMPARE(archive->read("near")->size(), 20);
    }

    void totalSizeCap()
    {
        ChmWriter writer = withStartPage();
        writer.addFile("/one", QByteArray(100, '1'));
        writer.addFile("/two", QByteArray(100, '2'));
        writer.addFile("/three", QByteArray(100, '3'));
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        const QStringList names { "one", "two", "three" };
        QCOMPARE(archive->readAll(names, 300).size(), 3);
        const QHash<QString, QByteArray> capped = archive->readAll(names, 250);
        QCOMPARE(capped.keys().size(), 2); // in file order: one, two
        QVERIFY(capped.contains("one") && capped.contains("two"));
    }

    void startPage_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("windows");
        QTest::addColumn<QByteArray>("strings");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("title");
        QByteArray windows(8 + 0x100, '\0');
        qToLittleEndian<quint32>(1, windows.data());
        qToLittleEndian<quint32>(0x100, windows.data() + 4);
        qToLittleEndian<quint32>(5, windows.data() + 8 + 0x68);
        const QByteArray strings("\0abc\0start.html\0", 16);
        QTest::newRow("only in #WINDOWS and #STRINGS")
            << ChmWriter::system(ChmWriter::systemRecord(3, QByteArray("T\0", 2))) << windows
            << strings << "start.html"
            << "T";
        QTest::newRow("#SYSTEM first")
            << ChmWriter::system(ChmWriter::systemRecord(2, QByteArray("own.html\0", 9))) << windows
            << strings << "own.html"
            << "";
        const QByteArray wide(300, 'w');
        QTest::newRow("records of 256 bytes and more")
            << ChmWriter::system(ChmWriter::systemRecord(9, wide)
                   + ChmWriter::systemRecord(3, wide + QByteArray(1, '\0'))
                   + ChmWriter::systemRecord(2, "p.html"))
            << QByteArray() << QByteArray() << "p.html" << QString::fromLatin1(wide);
        QTest::newRow("a string without its NUL")
            << ChmWriter::system(ChmWriter::systemRecord(3, "Title")
                   + ChmWriter::systemRecord(2, QByteArray("b.html\0", 7)))
            << QByteArray() << QByteArray() << "b.html"
            << "Title";
    }
    void startPage()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, windows);
        QFETCH(QByteArray, strings);
        QFETCH(QString, topic);
        QFETCH(QString, title);
        ChmWriter writer;
        writer.addFile("/#SYSTEM", system);
        writer.addFile("/#WINDOWS", windows);
        writer.addFile("/#STRINGS", strings);
        const auto archive = ChmArchive::fromBytes(writer.build());
        QVERIFY(archive);
        QCOMPARE(archive->defaultTopic(), topic);
        QCOMPARE(archive->title(), title);
    }

    void onlyRegularFilesOfBoundedSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a size of 0 that never ends") << "/proc/self/pagemap"
                                                     << "larger";
        QTest::newRow("a device") << "/dev/zero"
                                  << "not a regular file";
        QTest::newRow("a folder") << "/tmp"
                                  << "not a regular file";
        QTest::newRow("a FIFO") << "fifo"
                                << "not a regular file";
    }
    void onlyRegularFilesOfBoundedSize()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        if (path == u"fifo") {
            path = dir.filePath("help.chm");
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        QString why;
        QVERIFY(!ChmArchive::load(path, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
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
