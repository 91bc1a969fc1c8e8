// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/PhraseSearch.h"

#include <QTest>
#include <random>

namespace {

using Phrase = std::vector<std::uint32_t>;

// Every phrase by brute force: each run of word places that never goes
// back, of one word up to most, whose letters are the pool's; in the order
// printed, fewer words first.
std::vector<Phrase> everyPhrase(
    const std::vector<FoundWord> &words, const LetterCounts &pool, std::size_t most)
{
    std::vector<Phrase> phrases;
    for (std::size_t count = 1; count <= most; ++count) {
        Phrase phrase;
        const auto extend = [&](auto &self, std::uint32_t from, const LetterCounts &rest) -> void {
            if (phrase.size() == count) {
                if (std::ranges::all_of(rest, [](std::uint8_t n) { return n == 0; }))
                    phrases.push_back(phrase);
                return;
            }
            for (std::uint32_t id = from; id < words.size(); ++id) {
                if (!fitsWithin(words[id].letters, rest))
                    continue;
                LetterCounts left = rest;
                for (std::size_t x = 0; x < left.size(); ++x)
                    left[x] = static_cast<std::uint8_t>(left[x] - words[id].letters[x]);
                phrase.push_back(id);
                self(self, id, left);
                phrase.pop_back();
            }
        };
        extend(extend, 0, pool);
    }
    return phrases;
}

// Words of a few letters that share them, so that many phrases split the
// same pool in several ways, and letters that no word holds.
std::vector<FoundWord> wordsFrom(std::mt19937 &random)
{
    std::vector<std::string> texts;
    std::uniform_int_distribution<int> letter(0, 5);
    std::uniform_int_distribution<std::size_t> length(1, 4);
    while (texts.size() < 24) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n)
            text += static_cast<char>('a' + letter(random));
        if (std::ranges::find(texts, text) == texts.end())
            texts.push_back(text);
    }
    std::ranges::sort(texts);
    std::vector<FoundWord> words;
    for (const std::string &text : texts)
        words.push_back({ text, countLetters(text) });
    return words;
}

} // namespace

class TestPhraseSearch : public QObject {
    Q_OBJECT

private slots:
    // The phrases, in order and each once, are those of trying every run
    // of words; a limit keeps the first of them. The search finds the last
    // two words by their letters and leaves letters that no words split,
    // so that a wrong shortcut loses or reorders phrases here.
    void asEveryRun_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("most");
        QTest::addColumn<int>("limit"); // 0: none
        for (unsigned seed = 1; seed <= 40; ++seed) {
            const int most = 2 + static_cast<int>(seed % 3);
            QTest::addRow("seed %u, %d words", seed, most) << seed << most << 0;
            QTest::addRow("seed %u, %d words, limit 3", seed, most) << seed << most << 3;
        }
    }
    void asEveryRun()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, most);
        QFETCH(int, limit);
        std::mt19937 random(seed);
        const std::vector<FoundWord> words = wordsFrom(random);
        // A pool made of some of the words, and now and then a letter more.
        std::string letters;
        std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
        for (int n = most; n > 0; --n)
            letters += words[pick(random)].text;
        if (seed % 5 == 0)
            letters += 'f';
        PhraseQuery query;
        query.pool = std::get<LetterPool>(parsePool(letters));
        query.maxWords = static_cast<std::size_t>(most);
        if (limit)
            query.limit = static_cast<std::size_t>(limit);
        std::vector<Phrase> expected
            = everyPhrase(words, query.pool.counts, static_cast<std::size_t>(most));
        const bool more = limit && expected.size() > static_cast<std::size_t>(limit);
        if (more)
            expected.resize(static_cast<std::size_t>(limit));
        const Phrases found = findPhrases(words, query);
        QCOMPARE(found.phrases, expected);
        QCOMPARE(found.more, more);
        QVERIFY(found.unfinished.empty());
    }

    // Each word holds one of the rare letters p to u, each held by many
    // words: letters with more of them than a phrase has words are told at
    // once, before any word is tried; as many as it has words still split.
    void rareLettersCountWords_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<bool>("split");
        QTest::newRow("six rare letters, five words") << "pqrstuabcdefghij" << false;
        QTest::newRow("five rare letters, five words") << "pqrstabcdefghij" << true;
    }
    void rareLettersCountWords()
    {
        QFETCH(QString, letters);
        QFETCH(bool, split);
        std::vector<std::string> texts;
        const std::string ten = "abcdefghij";
        for (const char rare : std::string("pqrstu")) {
            for (std::size_t a = 0; a < ten.size(); ++a) {
                texts.push_back({ rare, ten[a] });
                for (std::size_t b = a + 1; b < ten.size(); ++b) {
                    texts.push_back({ rare, ten[a], ten[b] });
                    for (std::size_t c = b + 1; c < ten.size(); ++c)
                        texts.push_back({ rare, ten[a], ten[b], ten[c] });
                }
            }
        }
        std::ranges::sort(texts);
        std::vector<FoundWord> words;
        words.reserve(texts.size());
        for (const std::string &text : texts)
            words.push_back({ text, countLetters(text) });
        PhraseQuery query;
        query.pool = std::get<LetterPool>(parsePool(letters.toStdString()));
        query.maxWords = 5;
        query.limit = 1;
        PhraseBudget budget;
        budget.maxSteps = 1000; // told at the first look at the steps
        const Phrases found = findPhrases(words, query, budget);
        QCOMPARE(found.phrases.empty(), !split);
        QVERIFY2(found.unfinished.empty(), found.unfinished.c_str());
    }

    // Letters that no run of words uses up are told at once, however many
    // words may start a phrase: the search asks whether the rest splits
    // before it tries the words, so its steps stay few.
    void noSplitIsQuick()
    {
        // Every word of one to three of ten letters, each letter once.
        std::vector<std::string> texts;
        const std::string ten = "abcdefghij";
        for (std::size_t a = 0; a < ten.size(); ++a) {
            texts.push_back({ ten[a] });
            for (std::size_t b = a + 1; b < ten.size(); ++b) {
                texts.push_back({ ten[a], ten[b] });
                for (std::size_t c = b + 1; c < ten.size(); ++c)
                    texts.push_back({ ten[a], ten[b], ten[c] });
            }
        }
        std::ranges::sort(texts);
        std::vector<FoundWord> words;
        for (const std::string &text : texts)
            words.push_back({ text, countLetters(text) });
        PhraseQuery query;
        query.pool = std::get<LetterPool>(parsePool("abcdefghijz"));
        query.maxWords = 5;
        PhraseBudget budget;
        budget.maxSteps = 100'000;
        const Phrases found = findPhrases(words, query, budget);
        QVERIFY(found.phrases.empty());
        QVERIFY2(found.unfinished.empty(), found.unfinished.c_str());
    }
};

QTEST_GUILESS_MAIN(TestPhraseSearch)
#include "tst_phrasesearch.moc"
