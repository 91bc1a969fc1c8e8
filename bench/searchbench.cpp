// Compares a whole search run, headless and through the real main window
// (offscreen unless a display is asked for), with a bare loop that asks the
// same Nuspell dictionary about the same arrangements, built beforehand. The
// ratios say how much of the checker's speed a run keeps.
#include "mainwindow/frmMain.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTerminator.h"
#include "platform/QtEventPump.h"
#include "platform/SpellEngines.h"
#include "search/Enumerator.h"
#include "search/HeadlessView.h"
#include "search/WordSearch.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr char kLetters[] = "algorithms"; // ten distinct letters

class SilentBox final : public MessageBox {
public:
    MessageAnswer show(const MessageRequest &request) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(request.text));
        return MessageAnswer::Ok;
    }
};

class NoEnd final : public ProgramTerminator {
public:
    void endNow() override { std::exit(3); }
    bool isEnding() const override { return false; }
};

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
    SpellEngineFactory engines;
    const auto checker = engines.create(SpellEngineFactory::kNuspellProgId);
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
    SilentBox box;
    NoEnd end;
    QtEventPump events;
    frmMain window({ box, shared, end, events });
    window.show();
    double bestBare = 0;
    double bestRun = 0;
    double bestWindow = 0;
    for (int round = 0; round < 2; ++round) {
        auto start = std::chrono::steady_clock::now();
        std::size_t accepted = 0;
        for (const std::string &word : words)
            accepted += checker->checkSpelling(word).value_or(false);
        bestBare = std::max(bestBare, static_cast<double>(words.size()) / seconds(start));

        HeadlessView view;
        WordSearch search(view, box, shared, end);
        start = std::chrono::steady_clock::now();
        search.f(kLetters);
        bestRun = std::max(bestRun, view.progressUpdates() / seconds(start));
        start = std::chrono::steady_clock::now();
        window.search().f(kLetters);
        bestWindow = std::max(bestWindow, static_cast<double>(words.size()) / seconds(start));

        if (round == 0)
            std::printf("%zu words accepted; %s\n", accepted, qPrintable(view.resultsText()));
    }
    std::printf("bare loop:     %.0f questions/s\n", bestBare);
    std::printf("headless run:  %.0f arrangements/s\n", bestRun);
    std::printf("window run:    %.0f arrangements/s\n", bestWindow);
    std::printf("ratio headless/bare: %.3f\n", bestRun / bestBare);
    std::printf("ratio window/bare:   %.3f\n", bestWindow / bestBare);
    return 0;
}
