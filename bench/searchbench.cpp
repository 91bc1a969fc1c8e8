// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Compares a whole search run, headless and through the real main window
// (offscreen unless a display is asked for), with a bare loop that asks the
// same Nuspell dictionary about the same arrangements, built beforehand. The
// ratios say how much of the checker's speed a run keeps.
#include "desktop/QtEventPump.h"
#include "mainwindow/frmMain.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "search/Enumerator.h"
#include "search/HeadlessView.h"
#include "search/WordSearch.h"
#include "spelling/LoadedDictionary.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr char kLetters[] = "algorithms"; // ten distinct letters
constexpr char kExpected[] = "Done - Found 2 words: algorithms, logarithms";

// Hands every run the one dictionary the bare loop uses.
class SharedChecker final : public SpellCheckerFactory {
public:
    explicit SharedChecker(SpellChecker &checker)
        : m_checker(checker)
    {
    }
    std::unique_ptr<SpellChecker> create(std::string_view) override
    {
        struct Borrowed final : SpellChecker {
            SpellChecker &inner;
            explicit Borrowed(SpellChecker &c)
                : inner(c)
            {
            }
            std::optional<bool> checkSpelling(std::string_view word) override
            {
                return inner.checkSpelling(word);
            }
            std::unique_ptr<SpellChecker> cloneForThread() override
            {
                return inner.cloneForThread();
            }
        };
        return std::make_unique<Borrowed>(m_checker);
    }

private:
    SpellChecker &m_checker;
};

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto loaded = LoadedDictionary::load(Engine::Nuspell, "/usr/share/hunspell/en_US");
    const auto checker = loaded ? loaded->checker() : nullptr;
    if (!checker) {
        std::fprintf(stderr, "no en_US dictionary: install hunspell-en-us\n");
        return 1;
    }

    std::vector<std::string> words;
    words.reserve(3628800);
    Arrangements arrangements(kLetters);
    do
        words.push_back(arrangements.current());
    while (arrangements.advance());

    SharedChecker shared(*checker);
    StderrMessageBox box;
    FlagTerminator end;
    QtEventPump events;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());

    // Each figure is the best of three rounds, and the rounds interleave the
    // five measurements, so that a passing load on the machine does not
    // decide a ratio.
    frmMain oneThreadWindow;
    frmMain allCoresWindow;
    WordSearch oneThread(
        oneThreadWindow, { box, shared, end, events }, { std::chrono::milliseconds(5), 1 });
    WordSearch allCores(
        allCoresWindow, { box, shared, end, events }, { std::chrono::milliseconds(5), cores });
    oneThreadWindow.show();
    allCoresWindow.show();
    const auto rate = [&](const std::function<double()> &measure) {
        const auto start = std::chrono::steady_clock::now();
        const double arrangements = measure();
        return arrangements / seconds(start);
    };
    const auto bareLoop = [&] {
        std::size_t accepted = 0;
        for (const std::string &word : words)
            accepted += checker->checkSpelling(word).value_or(false);
        return accepted == 2 ? static_cast<double>(words.size()) : 0.0;
    };
    const auto headless = [&](unsigned threads) {
        return [&, threads] {
            HeadlessView view;
            NoEvents noEvents;
            WordSearch search(
                view, { box, shared, end, noEvents }, { std::chrono::milliseconds(5), threads });
            search.f(kLetters);
            return view.resultsText() == QLatin1String(kExpected) ? view.progressUpdates() : 0.0;
        };
    };
    const auto throughWindow = [&](WordSearch &search) {
        return [&] {
            search.f(kLetters);
            return static_cast<double>(words.size());
        };
    };
    double bare = 0, headlessOne = 0, windowOne = 0, headlessAll = 0, windowAll = 0;
    for (int round = 0; round < 3; ++round) {
        bare = std::max(bare, rate(bareLoop));
        headlessOne = std::max(headlessOne, rate(headless(1)));
        windowOne = std::max(windowOne, rate(throughWindow(oneThread)));
        headlessAll = std::max(headlessAll, rate(headless(cores)));
        windowAll = std::max(windowAll, rate(throughWindow(allCores)));
    }

    std::printf("bare loop:               %9.0f questions/s\n", bare);
    std::printf("headless, 1 thread:      %9.0f arrangements/s\n", headlessOne);
    std::printf("window, 1 thread:        %9.0f arrangements/s\n", windowOne);
    std::printf("headless, %u threads:     %9.0f arrangements/s\n", cores, headlessAll);
    std::printf("window, %u threads:       %9.0f arrangements/s\n", cores, windowAll);
    std::printf("ratio headless/bare (1 thread):   %.3f\n", headlessOne / bare);
    std::printf("ratio window/bare (1 thread):     %.3f\n", windowOne / bare);
    std::printf("speed-up headless, %u threads/1:  %.3f\n", cores, headlessAll / headlessOne);
    std::printf("speed-up window, %u threads/1:    %.3f\n", cores, windowAll / windowOne);
    return 0;
}
