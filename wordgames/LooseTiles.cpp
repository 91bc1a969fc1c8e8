// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/LooseTiles.h"

#include "hunspellfiles/Reason.h"
#include "letters/LetterCase.h"
#include "letters/Letters.h"
#include "search/Enumerator.h"
#include "search/LooseSearch.h"
#include "wordforms/AsciiLetters.h"
#include "wordforms/KeyLetters.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <map>

namespace {

std::size_t keyNumberOf(const std::string &letter)
{
    const auto key = keyLettersOf(&letter, 1);
    return key ? static_cast<std::size_t>(keyLetterNumber(key->front())) : LooseTiles::kOther;
}

// Whether a letter is written as a compatibility character (a ligature such
// as ﬁ, the micro sign): a dictionary converts it to the letters it stands
// for, and no word-game set has a tile for it.
bool compatibilityCharacter(const std::string &letter)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status))
        return false;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(letter);
    const bool normal = nfkc->isNormalized(text, status);
    return U_SUCCESS(status) && !normal;
}

} // namespace

// One spelling in the making: each place of the form given one of the
// letters its key letter may be, a tile of that loose letter used while
// one is left, else a blank.
struct LooseTiles::Spelling {
    struct Spelt {
        std::string word;
        LetterCounts counts;
        std::size_t blanks = 0;
    };

    const LooseTiles &tiles;
    std::string_view form;
    const std::function<void(const std::string &, const LetterCounts &)> &visit;
    std::string word;
    LetterCounts left;
    std::size_t blanks;
    LetterCounts counts {};
    // With tiles of several letters a word may be spelt in two ways (CH
    // as a tile, or C and H): the one with the fewest blanks is kept.
    std::vector<Spelt> spelt;

    void fill(std::size_t at)
    {
        if (at == form.size()) {
            if (tiles.m_multi.empty())
                visit(word, counts);
            else
                spelt.push_back({ word, counts, blanks });
            return;
        }
        const int key = keyLetterNumber(form[at]);
        if (key < 0)
            return;
        const std::size_t length = word.size();
        for (const Multi &multi : tiles.m_multi) {
            if (left[multi.counted] == 0 || at + multi.keys.size() > form.size()
                || !std::ranges::equal(
                    multi.keys, form.substr(at, multi.keys.size()), [](std::size_t x, char c) {
                        return keyLetterNumber(c) == static_cast<int>(x);
                    }))
                continue;
            --left[multi.counted];
            ++counts[multi.counted];
            word += multi.letters;
            fill(at + multi.keys.size());
            word.resize(length);
            --counts[multi.counted];
            ++left[multi.counted];
        }
        for (const Option &option : tiles.m_byKey[static_cast<std::size_t>(key)]) {
            const std::size_t x = option.counted;
            const bool tile = x != kOther && left[x] > 0;
            if (!tile && blanks == 0)
                continue;
            tile ? --left[x] : --blanks;
            ++counts[x];
            word += option.letter;
            fill(at + 1);
            word.resize(length);
            --counts[x];
            tile ? ++left[x] : ++blanks;
        }
    }

    void tell()
    {
        // Most blanks left first: the spelling that used the fewest.
        std::ranges::sort(spelt, [](const Spelt &a, const Spelt &b) {
            return a.word != b.word ? a.word < b.word : a.blanks > b.blanks;
        });
        for (std::size_t i = 0; i < spelt.size(); ++i) {
            if (i == 0 || spelt[i].word != spelt[i - 1].word)
                visit(spelt[i].word, spelt[i].counts);
        }
    }
};

LooseTiles::LooseTiles(const LetterPool &pool)
    : m_walked(pool)
    , m_counted(pool)
{
    for (std::size_t x = 0; x < kKeyLetters; ++x)
        m_byKey[x].push_back({ std::string(1, keyLetterByte(x)), x });
}

LooseTiles::~LooseTiles() = default;
LooseTiles::LooseTiles(LooseTiles &&) noexcept = default;
LooseTiles &LooseTiles::operator=(LooseTiles &&) noexcept = default;

std::variant<LooseTiles, std::string> LooseTiles::of(const LetterPool &pool,
    const LooseAlphabet &alphabet, const std::vector<std::string> &letters,
    const std::vector<std::string> &held)
{
    LooseTiles tiles;
    tiles.m_alphabet = &alphabet;
    tiles.m_case = std::make_unique<LetterCase>(alphabet.language());
    for (auto &options : tiles.m_byKey)
        options.clear();
    std::map<std::vector<std::string>, std::size_t> numbers;
    const auto numberOf = [&](const std::string &letter) -> std::optional<std::size_t> {
        auto variants = alphabet.variants(letter);
        const auto [at, added] = numbers.try_emplace(variants, numbers.size());
        if (added) {
            if (at->second >= kOther)
                return std::nullopt;
            tiles.m_classes.push_back(std::move(variants));
        }
        return at->second;
    };
    tiles.m_walked = pool;
    // A blank stands for any letter of the alphabet: it reaches their key letters.
    tiles.m_walked.blankKeys = 0;
    for (const std::string &letter : letters) {
        if (const std::size_t key = keyNumberOf(letter);
            key < kKeyLetters && !compatibilityCharacter(letter))
            tiles.m_walked.blankKeys |= std::uint64_t(1) << key;
    }
    tiles.m_counted = tiles.m_walked;
    tiles.m_counted.counts = {};
    for (const std::string &tile : pool.tiles) {
        const std::vector<std::string> letters = lettersOf(tile);
        // A tile of several letters (CH) is a letter of its own, played
        // only where its letters stand together.
        if (letters.size() > 1) {
            // Appended piece by piece: GCC 12's -O3 misreads "[" + string
            // as an overlapping copy (-Werror=restrict).
            std::string named(1, '[');
            named += tiles.m_case->lower(tile);
            named += ']';
            const auto [at, added]
                = numbers.try_emplace(std::vector { std::move(named) }, numbers.size());
            if (at->second >= kOther)
                return Reason::with(Reason::kTooManyTiles, std::to_string(kOther));
            if (added) {
                tiles.m_classes.push_back(at->first);
                Multi multi { tiles.m_case->lower(tile), {}, at->second };
                for (const std::string &letter : letters)
                    multi.keys.push_back(keyNumberOf(letter));
                tiles.m_multi.push_back(std::move(multi));
            }
            ++tiles.m_counted.counts[at->second];
            continue;
        }
        for (const std::string &letter : letters) {
            const auto x = numberOf(letter);
            if (!x)
                return Reason::with(Reason::kTooManyTiles, std::to_string(kOther));
            ++tiles.m_counted.counts[*x];
        }
    }
    for (const std::string &letter : held) {
        if (!numberOf(letter))
            return Reason::with(Reason::kTooManyTiles, std::to_string(kOther));
    }
    for (const std::string &letter : letters) {
        const std::size_t key = keyNumberOf(letter);
        if (key >= kKeyLetters || compatibilityCharacter(letter))
            continue;
        const auto found = numbers.find(alphabet.variants(letter));
        tiles.m_byKey[key].push_back({ letter, found != numbers.end() ? found->second : kOther });
    }
    // A tile that stands for a letter filed under another key letter than
    // its own (none in the alphabets there are, but the tables may grow)
    // is walked as a blank that reaches that key letter.
    for (const std::string &tile : pool.tiles) {
        for (const std::string &letter : lettersOf(tile)) {
            const std::size_t own = keyNumberOf(letter);
            bool apart = false;
            for (const std::string &variant : alphabet.variants(letter)) {
                const std::size_t key = keyNumberOf(variant);
                if (key != own && key < kKeyLetters && tiles.m_case->lower(variant) == variant) {
                    apart = true;
                    tiles.m_walked.blankKeys |= std::uint64_t(1) << key;
                }
            }
            if (apart && own < kKeyLetters && tiles.m_walked.counts[own] > 0) {
                --tiles.m_walked.counts[own];
                ++tiles.m_walked.blanks;
            }
        }
    }
    return tiles;
}

LetterCounts LooseTiles::countsOf(const std::vector<std::string> &letters) const
{
    LetterCounts counts {};
    for (const std::string &letter : letters) {
        std::size_t x = kOther;
        if (!m_alphabet) {
            x = keyNumberOf(letter);
        } else {
            const auto variants = m_alphabet->variants(letter);
            const auto found = std::ranges::find(m_classes, variants);
            if (found != m_classes.end())
                x = static_cast<std::size_t>(found - m_classes.begin());
        }
        if (x < counts.size() && counts[x] < 255)
            ++counts[x];
    }
    return counts;
}

void LooseTiles::spell(std::string_view form,
    const std::function<void(const std::string &word, const LetterCounts &counts)> &visit) const
{
    Spelling spelling { *this, form, visit, {}, m_counted.counts, m_counted.blanks, {}, {} };
    spelling.word.reserve(form.size() * 2);
    spelling.fill(0);
    spelling.tell();
}

std::string LooseTiles::upper(std::string_view word) const
{
    if (!m_case) {
        std::string out(word);
        std::ranges::transform(out, out.begin(),
            [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
        return out;
    }
    return m_case->upper(word);
}

std::string LooseTiles::capitalised(std::string_view word) const
{
    if (word.empty())
        return {};
    // The first letter is mostly one character, so no break iterator is
    // made for each word; one of several (a mark after it) is split out.
    std::size_t first = 1;
    const auto ascii = [&](std::size_t at) {
        return at >= word.size() || static_cast<unsigned char>(word[at]) < 0x80;
    };
    if (!ascii(0) || !ascii(1)) {
        const auto letters = lettersOf(std::string(word));
        first = letters.empty() ? word.size() : letters.front().size();
    }
    // Dutch writes the IJ of a word's start as one capital.
    if (m_case && m_case->language() == "nl" && word.starts_with("ij"))
        first = 2;
    return upper(word.substr(0, first)) + std::string(word.substr(first));
}

std::string LooseTiles::withCapitals(
    std::string_view word, const std::vector<std::size_t> &places) const
{
    if (places.empty())
        return std::string(word);
    const auto letters = lettersOf(std::string(word));
    std::string out;
    for (std::size_t i = 0; i < letters.size(); ++i)
        out += std::ranges::find(places, i) != places.end() ? upper(letters[i]) : letters[i];
    return out;
}

bool LooseTiles::sameLoosely(std::string_view a, std::string_view b) const
{
    if (!m_alphabet)
        return asciiLowered(a) == asciiLowered(b);
    const auto first = lettersOf(std::string(a));
    const auto second = lettersOf(std::string(b));
    return std::ranges::equal(first, second, [this](const std::string &x, const std::string &y) {
        return m_alphabet->variants(x) == m_alphabet->variants(y);
    });
}

std::string LooseTiles::caseless(std::string_view word) const
{
    return m_alphabet ? m_alphabet->caseless(word) : asciiLowered(word);
}

std::size_t LooseTiles::capitals(std::string_view word) const
{
    return m_alphabet ? m_alphabet->capitals(word)
                      : static_cast<std::size_t>(
                          std::ranges::count_if(word, [](char c) { return c >= 'A' && c <= 'Z'; }));
}

std::vector<std::size_t> LooseTiles::counted(const std::vector<std::string> &letters) const
{
    std::vector<std::size_t> numbers(letters.size(), kNone);
    LetterCounts multiLeft = m_counted.counts;
    for (std::size_t at = 0; at < letters.size(); ++at) {
        if (numbers[at] != kNone)
            continue;
        const auto multi = std::ranges::find_if(m_multi, [&](const Multi &tile) {
            std::string joined;
            for (std::size_t i = at; i < letters.size() && joined.size() < tile.letters.size(); ++i)
                joined += letters[i];
            return multiLeft[tile.counted] > 0 && m_case->lower(joined) == tile.letters;
        });
        if (multi != m_multi.end()) {
            --multiLeft[multi->counted];
            numbers[at] = multi->counted;
            // The other letters of the tile are not counted again.
            for (std::size_t i = at + 1; i < at + multi->keys.size(); ++i)
                numbers[i] = kPartOfTile;
            continue;
        }
        const LetterCounts one = countsOf({ letters[at] });
        const auto x = std::ranges::find_if(one, [](std::uint8_t n) { return n != 0; });
        numbers[at] = x != one.end() ? static_cast<std::size_t>(x - one.begin()) : kOther;
    }
    return numbers;
}
