// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/CacheFile.h"
#include "wordindex/IndexBuilder.h"

#include "tests/support/TempFolder.h"

#include <QTest>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A small entry with a real index in it.
CacheEntry sampleEntry()
{
    CacheEntry entry;
    entry.dictionary = "/usr/share/hunspell/xx_XX";
    entry.aff = { 1, 2, 3, 4 };
    entry.dic = { 5, 6, 7, -8 };
    entry.setNote("Nuspell", "usable");
    entry.setNote("Hunspell", "refused\tit dies loading it");
    entry.dialect = 0;
    const WordIndexBuild build
        = buildWordIndex("COMPOUNDFLAG X\nSFX S Y 1\nSFX S 0 s .\n", "2\ncat/XS\ndog/X\n");
    entry.image = build.forms->image();
    return entry;
}

std::vector<std::uint64_t> bytesOf(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::vector<std::uint64_t> words(static_cast<std::size_t>(in.tellg()) / 8);
    in.seekg(0);
    in.read(reinterpret_cast<char *>(words.data()), static_cast<std::streamsize>(words.size() * 8));
    return words;
}

void writeWords(
    const std::filesystem::path &file, const std::vector<std::uint64_t> &words, std::size_t bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(words.data()), static_cast<std::streamsize>(bytes));
}

} // namespace

class TestCache : public QObject {
    Q_OBJECT

private slots:
    void roundTrip()
    {
        TempFolder folder;
        const std::filesystem::path dir = folder.dir.path().toStdString();
        const CacheEntry entry = sampleEntry();
        QVERIFY(CacheFile::write(dir, entry, entry.image));
        const auto file = CacheFile::fileFor(dir, entry.dictionary);
        std::string why;
        const auto read = CacheFile::read(file, &why);
        QVERIFY2(read, why.c_str());
        QCOMPARE(read->dictionary, entry.dictionary);
        QVERIFY(read->aff == entry.aff && read->dic == entry.dic);
        QCOMPARE(*read->note("Hunspell"), std::string("refused\tit dies loading it"));
        QCOMPARE(read->dialect, std::optional<std::uint32_t>(0));
        QCOMPARE(read->image, entry.image);
        QVERIFY(WordIndex::fromImage(read->image));
        // The entry is the folder's only file: nothing half-written is left.
        QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // A cut-short file, at every length, and any byte changed, is no entry.
    void damagedFilesAreNoEntries()
    {
        const CacheEntry entry = sampleEntry();
        const std::vector<std::uint64_t> words = CacheFile::serialize(entry, entry.image);
        for (std::size_t cut = 0; cut < words.size(); ++cut)
            QVERIFY(!CacheFile::parse(std::span(words).first(cut)));
        for (std::size_t at = 0; at < words.size() * 8; ++at) {
            std::vector<std::uint64_t> changed = words;
            reinterpret_cast<std::uint8_t *>(changed.data())[at] ^= 0x20;
            QVERIFY2(!CacheFile::parse(changed), qPrintable(QString::number(at)));
        }
        QVERIFY(CacheFile::parse(words));
    }

    // Files of another version or byte order, a file that is a link, a
    // folder in an entry's place: none is read.
    void otherFilesAreNoEntries()
    {
        TempFolder folder;
        const std::filesystem::path dir = folder.dir.path().toStdString();
        const CacheEntry entry = sampleEntry();
        QVERIFY(CacheFile::write(dir, entry, entry.image));
        const auto file = CacheFile::fileFor(dir, entry.dictionary);
        const std::vector<std::uint64_t> words = bytesOf(file);
        std::string why;

        std::vector<std::uint64_t> version = words;
        ++version[1];
        QVERIFY(!CacheFile::parse(version, &why));
        QVERIFY(why.find("version") != std::string::npos);
        std::vector<std::uint64_t> swapped = words;
        swapped[0] = __builtin_bswap64(swapped[0]);
        QVERIFY(!CacheFile::parse(swapped, &why));
        QVERIFY(why.find("byte order") != std::string::npos);
        writeWords(file, words, words.size() * 8 - 3);
        QVERIFY(!CacheFile::read(file, &why));

        const auto elsewhere = dir / "elsewhere";
        writeWords(elsewhere, words, words.size() * 8);
        std::filesystem::remove(file);
        std::filesystem::create_symlink(elsewhere, file);
        QVERIFY(CacheFile::read(elsewhere));
        QVERIFY(!CacheFile::read(file, &why));
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        QVERIFY(!CacheFile::read(file, &why));
        // Written again over what is there, it reads.
        std::filesystem::remove(file);
        QVERIFY(CacheFile::write(dir, entry, entry.image));
        QVERIFY(CacheFile::read(file));
    }

    // A disk that is full costs the cache, nothing else.
    void fullDiskOnlyCostsTheCache()
    {
        TempFolder folder;
        const std::filesystem::path dir = folder.dir.path().toStdString();
        const CacheEntry entry = sampleEntry();
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit tiny { 100, 100 };
            setrlimit(RLIMIT_FSIZE, &tiny);
            std::string why;
            const bool written = CacheFile::write(dir, entry, entry.image, &why);
            _exit(!written && why.find("cannot be written") != std::string::npos ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    // Processes that write the same entry at once leave a whole entry.
    void racingWritersLeaveAWholeEntry()
    {
        TempFolder folder;
        const std::filesystem::path dir = folder.dir.path().toStdString();
        const CacheEntry entry = sampleEntry();
        std::vector<pid_t> children;
        for (int i = 0; i < 4; ++i) {
            const pid_t child = fork();
            if (child == 0) {
                for (int n = 0; n < 50; ++n)
                    (void)CacheFile::write(dir, entry, entry.image);
                _exit(0);
            }
            children.push_back(child);
        }
        // Meanwhile every read sees a whole entry or none at all.
        const auto file = CacheFile::fileFor(dir, entry.dictionary);
        for (int n = 0; n < 200; ++n) {
            std::string why;
            const auto read = CacheFile::read(file, &why);
            QVERIFY2(read || why.find("does not exist") != std::string::npos, why.c_str());
        }
        for (const pid_t child : children)
            waitpid(child, nullptr, 0);
        QVERIFY(CacheFile::read(file));
        QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // The folder keeps its newest entries, up to its bound.
    void oldEntriesGo()
    {
        TempFolder folder;
        const std::filesystem::path dir = folder.dir.path().toStdString();
        CacheEntry entry = sampleEntry();
        const std::size_t written = CacheFile::kMaxEntries + 5;
        for (std::size_t i = 0; i < written; ++i) {
            entry.dictionary = "/d/" + std::to_string(i);
            QVERIFY(CacheFile::write(dir, entry, {}));
            // Ordered by their times of change, older first.
            const auto file = CacheFile::fileFor(dir, entry.dictionary);
            std::filesystem::last_write_time(file,
                std::filesystem::file_time_type::clock::now() - std::chrono::hours(written - i));
        }
        QCOMPARE(std::size_t(QDir(folder.dir.path()).entryList(QDir::Files).size()),
            CacheFile::kMaxEntries);
        QVERIFY(CacheFile::read(CacheFile::fileFor(dir, "/d/" + std::to_string(written - 1))));
        QVERIFY(!CacheFile::read(CacheFile::fileFor(dir, "/d/0")));
    }
};

QTEST_GUILESS_MAIN(TestCache)
#include "tst_cache.moc"
