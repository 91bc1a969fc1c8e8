// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A loose search answered by the word index. The index files each form
// under the key letters of its letters (wordforms/KeyLetters.h), where
// neither case nor marks count; a loose spelling of the typed letters puts
// for each typed letter one of the letters it stands for, all of which the
// index files under the typed letter's key letter. So every spelling the
// checker could accept is a spread of the typed letters over a candidate
// the index names for the typed letters' key letters. The index keeps each
// form's own spellings (côte and coté under "cote"), so of most candidates
// only those the typed letters spell are asked (search/LooseOwnSpellings.h);
// the rest (a compound, a form whose letter the index keeps as two, ß as
// "ss") are spread as below.
//
// Case is not spread letter by letter (two ways for each letter, 4,096 for
// twelve): a checker takes a word in the case the dictionary spells it, with
// its first letter a capital, or all in capitals, never with fewer capitals
// than the dictionary's; and of the spellings it takes that differ but for
// case the answer shows the one with the fewest. The index keeps the
// dictionary's capitals among the letters it files under a to z, so those
// three are asked: the letters in the candidate's case, with a capital first,
// all capitals. A letter filed under another key letter (Greek, Cyrillic)
// keeps no case in the index: there each of its letters is asked in either
// case (ru_RU spells пФ so).
#include "search/CheckerQuestions.h"
#include "search/IndexedSearch.h"
#include "search/LooseJudge.h"
#include "search/LooseOwnSpellings.h"
#include "search/LooseSearch.h"
#include "search/LooseShares.h"
#include "search/LooseSpreads.h"
#include "search/WorkerCheckers.h"
#include "wordforms/KeyLetters.h"
#include "wordforms/LetterCounts.h"
#include "wordindex/FormSource.h"
#include "wordindex/WordIndex.h"

#include "search/Enumerator.h"

#include <QtGlobal>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <unordered_set>

namespace {

// Whether a letter is written as a compatibility character that stands
// for other letters (an Arabic ligature, a Latin ﬁ): a dictionary's
// conversions may turn it into them, which the index files apart from it.
// One that stands for one letter of the same key letter (ſ for s) is filed
// with it.
bool compatibilityForm(const std::string &letter, const std::string &key)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return true;
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(letter);
    const icu::UnicodeString compatible = nfkc->normalize(text, status);
    const icu::UnicodeString canonical = nfc->normalize(text, status);
    if (U_FAILURE(status))
        return true;
    if (compatible == canonical)
        return false;
    std::string written;
    compatible.toUTF8String(written);
    const std::vector<std::string> letters = lettersOf(written);
    return letters.size() != 1 || keyLettersOf(letters.data(), 1) != key;
}

// The most spellings of one form, however many questions the search may ask.
constexpr double kMostSpellingsOfAForm = 1'000'000;

// The forms the index names for the key letters: each own spelling of a
// form once, in its letters, where it has a letter for each of the form's;
// the forms as the index keeps them, with the dictionary's capitals among a
// to z, where a spelling has not (ß of "ss"), each once, to be spread (the
// compounds are searched for apart); nothing, and why, when it cannot tell.
struct CasedCandidates {
    std::optional<std::vector<std::string>> words; // to spread
    std::vector<std::vector<std::string>> own; // own spellings, in letters
    std::vector<std::pair<std::string, std::string>> conversions; // the index's
    std::shared_ptr<const WordIndex> index; // the forms were named from
    std::string fallback;
    bool stopped = false; // by keepGoing
};

CasedCandidates casedCandidates(std::string_view keys, const FormSource &source,
    const std::function<bool()> &keepGoing, std::unordered_set<std::string> &ownSeen)
{
    CasedCandidates named;
    const FormsWithin within = source.within(keys, keepGoing);
    if (!within.index) {
        named.fallback = within.unfinished;
        named.stopped = within.stopped;
        return named;
    }
    named.conversions = within.index->conversions();
    named.index = within.index;
    std::vector<std::string> words;
    std::unordered_set<std::string> seen;
    const auto forms = within.index->formsFor(WordIndex::keyOf(keys));
    std::vector<std::string> spellings;
    std::vector<std::vector<std::string>> letters;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        letters.clear();
        bool whole = within.index->spellingsOf(forms, i, spellings);
        for (const std::string &spelling : spellings) {
            if (ownSeen.contains(spelling))
                continue;
            letters.push_back(lettersOf(spelling));
            whole = whole && letters.back().size() == forms.keyLength;
        }
        if (whole) {
            for (std::vector<std::string> &each : letters)
                named.own.push_back(std::move(each));
            for (std::string &spelling : spellings)
                ownSeen.insert(std::move(spelling));
            continue;
        }
        std::string form(forms[i]);
        if (seen.insert(form).second)
            words.push_back(std::move(form));
    }
    named.words = std::move(words);
    return named;
}

} // namespace

LooseAnswer indexedLooseWords(const std::string &letters, const LooseAlphabet &alphabet,
    SpellChecker &checker, const std::function<bool(double asked)> &keepGoing,
    const LooseIndex &index)
{
    LooseAnswer answer;
    const std::vector<std::string> typed = lettersOf(letters);
    if (!index.forms) {
        return answer; // looseWords asks no index it has not got
    }
    if (typed.empty()) {
        answer.fallback = QT_TRANSLATE_NOOP("Reason", "no letters were typed");
        return answer;
    }
    const auto keys = keyLettersOf(typed.data(), typed.size());
    if (!keys) {
        answer.fallback
            = QT_TRANSLATE_NOOP("Reason", "a letter typed is no letter a word is spelt with");
        return answer;
    }
    // The typed letters, those that stand for the same letters together.
    std::map<std::vector<std::string>, std::size_t> letterOf;
    std::vector<TypedLetter> distinct;
    for (const std::string &each : typed) {
        // The index files only the letters of the alphabet; the checker
        // may take another as one it converts it to.
        if (!alphabet.knows(each)) {
            answer.fallback
                = QT_TRANSLATE_NOOP("Reason", "a letter typed is no letter a word is spelt with");
            return answer;
        }
        std::vector<std::string> variants = alphabet.variants(each);
        const auto [at, added] = letterOf.try_emplace(variants, distinct.size());
        if (!added) {
            ++distinct[at->second].count;
            continue;
        }
        TypedLetter letter;
        letter.count = 1;
        for (const std::string &variant : variants) {
            // A letter that stands for one the index files as several (a
            // capital that is two letters, as SS for ß; a ligature the
            // dictionary converts) would be looked for in the wrong place.
            const auto key = keyLettersOf(&variant, 1);
            if (lettersOf(variant).size() != 1 || !key
                || (alphabet.mayConvert(variant) && compatibilityForm(variant, *key))) {
                answer.fallback = QT_TRANSLATE_NOOP(
                    "Reason", "a letter typed stands for letters the word index files apart");
                return answer;
            }
            auto group = std::ranges::find(
                letter.groups, (*key)[0], &decltype(letter.groups)::value_type::first);
            if (group == letter.groups.end())
                letter.groups.push_back({ (*key)[0], { variant } });
            else
                group->second.push_back(variant);
        }
        distinct.push_back(std::move(letter));
    }
    // Each way of sharing the letters out among their key letters is looked
    // up apart; the spellings of all of them are judged together.
    std::vector<std::pair<std::vector<std::string>, std::size_t>> typedVariants;
    for (const TypedLetter &letter : distinct) {
        auto &[variants, count] = typedVariants.emplace_back();
        count = letter.count;
        for (const auto &group : letter.groups)
            variants.insert(variants.end(), group.second.begin(), group.second.end());
    }
    std::optional<LooseOwnSpeller> ownSpeller;
    std::unordered_set<std::string> ownSeen;
    std::unordered_set<std::string> seen;
    LooseJudge judge(checker, index.threads, keepGoing);
    const auto maxQuestions = static_cast<double>(index.maxQuestions);
    double questions = 0;
    // Counts the questions of more spellings; false, saying why, past the most.
    const auto worthAsking = [&](double more) {
        questions += more;
        if (questions <= maxQuestions)
            return true;
        answer.fallback = QT_TRANSLATE_NOOP(
            "Reason", "the index names more arrangements than trying them all is worth");
        return false;
    };
    bool stopped = false;
    // Until a share says otherwise, more shares than are worth looking up.
    answer.fallback = QT_TRANSLATE_NOOP("Reason", "the letters typed spread in too many ways");
    const bool shared = forEachShare(
        distinct, kMostShares, [&](const std::vector<std::vector<std::size_t>> &share) {
            answer.fallback.clear();
            LooseTokens tokens;
            std::string shareKeys;
            double perForm = 1;
            for (std::size_t t = 0; t < distinct.size(); ++t) {
                for (std::size_t g = 0; g < distinct[t].groups.size(); ++g) {
                    const std::size_t count = share[t][g];
                    if (count == 0)
                        continue;
                    const auto &[key, variants] = distinct[t].groups[g];
                    if (tokens.variants.size() >= 255) {
                        answer.fallback = QT_TRANSLATE_NOOP(
                            "Reason", "more than 255 different letters were typed");
                        return false;
                    }
                    tokens.variants.push_back(byCase(variants, alphabet));
                    const auto token = static_cast<char>(tokens.variants.size());
                    const TokenLetters &letters = tokens.variants.back();
                    const bool latin = key >= 'a' && key <= 'z';
                    const std::size_t most = latin
                        ? std::max(letters.small.size(), letters.capital.size())
                        : letters.either.size();
                    for (std::size_t c = 0; c < count; ++c) {
                        tokens.byKey[static_cast<std::size_t>(keyLetterNumber(key))].push_back(
                            token);
                        perForm *= static_cast<double>(most);
                    }
                    shareKeys.append(count, key);
                }
            }
            perForm *= static_cast<double>(kCases.size());
            for (std::size_t x = 0; x < tokens.byKey.size(); ++x) {
                if (tokens.byKey[x].empty())
                    continue;
                tokens.present.push_back(x);
                std::ranges::sort(tokens.byKey[x]);
                perForm *= spreadsOf(tokens.byKey[x]);
            }
            CasedCandidates named = casedCandidates(
                shareKeys, *index.forms, [&] { return keepGoing(0); }, ownSeen);
            if (!named.words) {
                answer.fallback = std::move(named.fallback);
                stopped = named.stopped;
                return false;
            }
            // The forms to spread are few (a letter the index keeps as two);
            // the own spellings ask a few strings each. A compound's places
            // hold only its parts' letters, where no boundary of parts
            // replaces letters.
            Speller speller(tokens, typed.size(), alphabet);
            std::optional<PartLetters> parts;
            const bool byParts = named.index->compounds().replacements.empty();
            const auto spread = [&](const std::string &form, bool sure) {
                std::optional<PlaceLetters> places;
                double ways = perForm;
                if (byParts && !parts)
                    parts.emplace(*named.index, alphabet, named.conversions);
                if (parts) {
                    places = parts->of(form);
                    ways = speller.most(form, *places);
                }
                if (ways > std::min(maxQuestions, kMostSpellingsOfAForm)) {
                    answer.fallback
                        = QT_TRANSLATE_NOOP("Reason", "the letters typed spread in too many ways");
                    return false;
                }
                if (!worthAsking(ways))
                    return false;
                std::vector<std::string> &strings = judge.pending();
                const std::size_t first = strings.size();
                speller.spell(form, seen, strings, places ? &*places : nullptr);
                if (sure)
                    settleSure(form, first, judge);
                return true;
            };
            if (!worthAsking(static_cast<double>(kCases.size() * named.own.size())))
                return false;
            if (!named.own.empty()) {
                if (!ownSpeller)
                    ownSpeller.emplace(typedVariants, alphabet, named.conversions);
                for (const std::vector<std::string> &own : named.own)
                    ownSpeller->spell(own, seen, judge.pending());
            }
            for (const std::string &form : *named.words) {
                if (!spread(form, false))
                    return false;
            }
            const std::unordered_set<std::string> forms(named.words->begin(), named.words->end());
            const CompoundStream streamed
                = streamCompounds(named.index, shareKeys, index.budget, forms, spread, judge, seen);
            if (!streamed.unfinished.empty() || streamed.stopped || !answer.fallback.empty()) {
                if (answer.fallback.empty())
                    answer.fallback = streamed.unfinished;
                stopped = streamed.stopped;
                return false;
            }
            return true;
        });
    const bool judged = shared && judge.judge();
    answer.questions = judge.asked();
    if (!judged) {
        // Not shared: the fallback says why, or the user stopped it.
        answer.stopped = shared || stopped;
        return answer;
    }
    answer.fallback.clear();
    const std::vector<std::string> words = judge.takeAccepted();
    answer.words = looseSpellings(words, alphabet);
    answer.indexed = true;
    return answer;
}
