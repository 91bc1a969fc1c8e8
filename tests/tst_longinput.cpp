// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A run over tens of thousands of letters: memory stays linear in the
// letters whatever the threads, and the run stops when cancelled. Every
// allocation through operator new in this program is counted, so the test
// sees the peak, not a timing.
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"

#include <QTest>
#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<long long> g_allocated { 0 };
std::atomic<long long> g_peak { 0 };

void *allocate(std::size_t size) noexcept
{
    // malloc_usable_size() of a null pointer is 0.
    void *block = std::malloc(size == 0 ? 1 : size);
    const long long now = g_allocated += static_cast<long long>(malloc_usable_size(block));
    long long peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) { }
    return block;
}

void release(void *block) noexcept
{
    g_allocated -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

} // namespace

// Every form of the single-object operators, so that none of them mixes with
// a sanitizer's own. The array forms are left alone: the standard library's
// call these, and a sanitizer's are its own on both sides.
void *operator new(std::size_t size)
{
    if (void *block = allocate(size))
        return block;
    throw std::bad_alloc();
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size);
}
void operator delete(void *block) noexcept
{
    release(block);
}
void operator delete(void *block, std::size_t) noexcept
{
    release(block);
}
void operator delete(void *block, const std::nothrow_t &) noexcept
{
    release(block);
}

class TestLongInput : public QObject {
    Q_OBJECT

private slots:
    void cancelledRunStaysSmall_data()
    {
        addRows<unsigned>(
            "threads", { { "one thread", 1 }, { "two workers", 2 }, { "four workers", 4 } });
    }
    void cancelledRunStaysSmall()
    {
        QFETCH(unsigned, threads);
        // Every question accepted: every block of answers holds as many words as
        // it can, and 3,000 answers are enough to fill more blocks than are held.
        ThreadedSearch fx({ std::chrono::milliseconds(1), threads });
        fx.checkers.script->acceptAll = true;
        fx.view.onEvents = [&] {
            if (fx.checkers.script->asked >= 3000)
                fx.search.cmdCancel_Click();
        };
        const long long before = g_allocated.load();
        g_peak = before;
        fx.search.f(std::string(40000, 'a'));
        const long long peak = g_peak.load() - before;

        QVERIFY(fx.checkers.script->asked >= 3000);
        QCOMPARE(fx.view.resultsText, QString()); // cancelled: no result
        // Some copies of the letters are unavoidable (the workers' own
        // arrangements, the answers held ahead); blocks of 2,048 words, or more
        // blocks held ahead, are not, and n copies per worker would be 1.6 GB.
        QVERIFY2(peak < 64LL * 1024 * 1024, qPrintable(QStringLiteral("peak %1 bytes").arg(peak)));
        QVERIFY(g_allocated.load() - before < 1024 * 1024); // nothing of the run is left
    }
};

QTEST_GUILESS_MAIN(TestLongInput)
#include "tst_longinput.moc"
