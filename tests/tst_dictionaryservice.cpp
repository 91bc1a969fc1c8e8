// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary service's cache of verdicts and index, and those waiting
// for its checker told when it is ready.
#include "spelling/CacheFile.h"
#include "tests/support/ProbedService.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <fstream>
#include <future>
#include <sys/stat.h>
#include <thread>

namespace {

// A helper that counts its starts in a file, then runs the real one.
QString countingHelper(const TempFolder &folder)
{
    const QString path = folder.write(QStringLiteral("helper"),
        "#!/bin/sh\necho >> \"$(dirname \"$0\")/starts\"\nexec " QUORVEL_PROBE " \"$@\"\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

int starts(const TempFolder &folder)
{
    QFile file(folder.path(QStringLiteral("starts")));
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
}

} // namespace

class TestDictionaryService : public QObject {
    Q_OBJECT

private slots:
    // The engines' verdicts and the index are kept: a second run starts no
    // helper and builds nothing; a damaged, replaced or linked entry is
    // worked out again, with the same answer.
    void theCacheKeepsVerdictsAndIndex()
    {
        TempFolder folder;
        const std::filesystem::path cache = folder.path(QStringLiteral("cache")).toStdString();
        const QString helper = countingHelper(folder);
        const auto answer = [&](bool withCache = true) {
            Service fx({ dictionary("unknown-encoding") },
                withCache ? std::optional(cache) : std::nullopt, helper.toStdString());
            const auto checker = fx.service.checker(DictionaryService::Checker::Chosen);
            const auto index
                = fx.service.indexFor(dictionary("unknown-encoding"), std::chrono::seconds(60));
            fx.service.finish();
            // The alphabet comes with the index, built or kept: a, c, t.
            return checker && index.index && checker->checkSpelling("act") == true
                && index.index->within("act").index->formsFor("act").size() == 2 && index.alphabet
                && index.alphabet->size() == 3 && index.alphabet->id("t");
        };
        QVERIFY(answer());
        QCOMPARE(starts(folder), 1); // Nuspell is refused without a helper; Hunspell is tried
        const auto entry = CacheFile::fileFor(cache, dictionary("unknown-encoding").string());
        const auto inode = [&entry] {
            struct stat about { };
            return ::stat(entry.c_str(), &about) == 0 ? about.st_ino : 0;
        };
        const auto written = inode();
        const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
        std::filesystem::last_write_time(entry, old);
        QVERIFY(answer());
        QCOMPARE(starts(folder), 1);
        // Read, not written again (that would be a new file), but marked as used.
        QCOMPARE(inode(), written);
        QVERIFY(std::filesystem::last_write_time(entry) > old);
        std::filesystem::resize_file(entry, std::filesystem::file_size(entry) - 8);
        QVERIFY(answer());
        QCOMPARE(starts(folder), 2);
        const auto kept = folder.path(QStringLiteral("kept")).toStdString();
        std::filesystem::rename(entry, kept);
        std::filesystem::create_symlink(kept, entry);
        QVERIFY(answer());
        QCOMPARE(starts(folder), 3);
        // Without the cache, nothing is read or written.
        QVERIFY(answer(false));
        QCOMPARE(starts(folder), 4);
        // A cache that cannot be written only costs time, and is said.
        std::filesystem::remove_all(cache);
        std::ofstream(cache.string()) << "a file where the folder should be";
        Service fx({ dictionary("good") }, cache, helper.toStdString());
        QVERIFY(fx.service.checker(DictionaryService::Checker::Chosen));
        fx.service.finish();
        QVERIFY2(fx.said.last().contains("is not written"), qPrintable(fx.said.join('\n')));
    }

    // Those waiting for the checker are told once it is ready, from the
    // service's thread; asked afterwards, at once.
    void toldWhenReady()
    {
        Service fx({ dictionary("good") });
        std::promise<std::thread::id> told;
        fx.service.whenReady([&told] { told.set_value(std::this_thread::get_id()); });
        auto telling = told.get_future();
        QCOMPARE(telling.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        QVERIFY(telling.get() != std::this_thread::get_id());
        QVERIFY(fx.service.ready());
        bool toldAtOnce = false;
        fx.service.whenReady([&toldAtOnce] { toldAtOnce = true; });
        QVERIFY(toldAtOnce);
        QVERIFY(fx.service.checker(DictionaryService::Checker::Chosen));
    }
};

QTEST_GUILESS_MAIN(TestDictionaryService)
#include "tst_dictionaryservice.moc"
