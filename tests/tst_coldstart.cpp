// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The order of a dictionary's first run: where the cache will keep its word
// index, the index is built before the engine loads the dictionary, so that
// the build and the engine's copy of the words are never in memory at once;
// without a cache the checker still comes first, so that short inputs never
// wait for a build.
#include "spelling/DictionaryService.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <future>
#include <thread>

namespace {

struct ColdRow {
    const char *name;
    const char *dictionary; // in tests/data/dictionaries
    bool cache;
    bool indexAtReady; // whether the index is there once the checker is
};

} // namespace

Q_DECLARE_METATYPE(ColdRow)

class TestColdStart : public QObject {
    Q_OBJECT

private slots:
    void indexBeforeTheEngine_data()
    {
        addRows<ColdRow>({
            { "a cache: built first", "good", true, true },
            { "a cache, Nuspell refused: built for Hunspell first", "unknown-encoding", true,
                true },
            { "no cache: the checker first", "good", false, false },
        });
    }

    void indexBeforeTheEngine()
    {
        QFETCH(ColdRow, row);
        TempFolder folder;
        const std::filesystem::path base
            = std::string(QUORVEL_TEST_DATA "/dictionaries/") + row.dictionary + "/xx_XX";
        std::optional<std::filesystem::path> cache;
        if (row.cache)
            cache = folder.path(QStringLiteral("cache")).toStdString();
        DictionaryService service(
            { [base] { return std::vector { base }; }, "xx_XX", QUORVEL_PROBE, cache });
        // Asked on the service's thread as it tells that the checker is
        // ready, before it goes on to anything else.
        std::promise<std::pair<std::thread::id, bool>> told;
        service.whenReady([&] {
            told.set_value({ std::this_thread::get_id(),
                service.indexFor(base, std::chrono::seconds(0)).index != nullptr });
        });
        auto telling = told.get_future();
        QCOMPARE(telling.wait_for(std::chrono::seconds(60)), std::future_status::ready);
        const auto [thread, indexAtReady] = telling.get();
        // Told on the test's own thread, the work would already be over.
        QVERIFY(thread != std::this_thread::get_id());
        QCOMPARE(indexAtReady, row.indexAtReady);
        // Either way the index answers, and a cache keeps it.
        QVERIFY(service.indexFor(base, std::chrono::seconds(60)).index);
        service.finish();
        QCOMPARE(
            std::filesystem::exists(folder.path(QStringLiteral("cache")).toStdString()), row.cache);
    }
};

QTEST_GUILESS_MAIN(TestColdStart)
#include "tst_coldstart.moc"
