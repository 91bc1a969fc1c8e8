// quorvel-search [--threads N] LETTERS: a developer's tool that runs one
// search with the real spelling checker and no window, and prints the line
// the results box would show. N threads ask the checker (1: one question
// after another); by default one per core, as in the program.
#include "spelling/SpellEngines.h"
#include "search/HeadlessView.h"
#include "search/Messages.h"
#include "search/Request.h"
#include "search/WordSearch.h"

#include <QString>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kExitRefused = 2;
constexpr int kExitFatal = 3;

} // namespace

int main(int argc, char **argv)
{
    WordSearch::Options options;
    int at = 1;
    if (argc == 4 && std::strcmp(argv[1], "--threads") == 0) {
        char *end = nullptr;
        const unsigned long threads = std::strtoul(argv[2], &end, 10);
        if (*end != '\0' || threads < 1 || threads > 256) {
            std::fprintf(stderr, "--threads takes a number from 1 to 256\n");
            return kExitRefused;
        }
        options.threads = static_cast<unsigned>(threads);
        at = 3;
    } else if (argc != 2) {
        std::fprintf(stderr, "usage: %s [--threads N] LETTERS\n", argv[0]);
        return kExitRefused;
    }
    const QString letters = trimSpaces(QString::fromLocal8Bit(argv[at]));
    QString strerr;
    if (!bolValidLetters(letters, strerr)) {
        std::fprintf(stderr, "%s\n", qPrintable(strerr));
        return kExitRefused;
    }
    if (letters.isEmpty()) {
        std::fprintf(stderr, "%s\n", Messages::kNoLetters);
        return kExitRefused;
    }

    HeadlessView view(letters);
    StderrMessageBox box;
    SpellEngineFactory checkers;
    // Which dictionary an engine turned down, and why, before another answers.
    checkers.setDiagnostics(
        [](const std::string &line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    FlagTerminator terminator;
    WordSearch search(view, box, checkers, terminator, options);

    const auto start = std::chrono::steady_clock::now();
    search.f(letters.toStdString());
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (terminator.isEnding())
        return kExitFatal;

    std::printf("%s\n", qPrintable(view.resultsText()));
    std::fprintf(stderr, "%.0f arrangements, %.3f s, %.0f arrangements/s\n", view.progressUpdates(),
        seconds.count(), view.progressUpdates() / seconds.count());
    return 0;
}
