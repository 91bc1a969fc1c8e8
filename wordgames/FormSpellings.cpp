// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/FormSpellings.h"

#include "wordforms/LetterCounts.h"

bool formSpellings(std::string_view form, const GameLetters &letters,
    const WordPattern::Place *place, std::size_t max, std::vector<std::string> &out)
{
    if (place && form.size() != place->size())
        return true; // a byte of the form each letter: it cannot fill the place
    // Each position's choices, then every combination in turn.
    std::vector<std::vector<std::string>> choices;
    std::size_t total = 1;
    for (std::size_t at = 0; at < form.size(); ++at) {
        std::vector<std::string> here;
        if (keyLetterNumber(form[at]) < 0) {
            here.emplace_back(1, form[at]);
        } else {
            for (const std::string &letter : letters.lettersUnder(form[at])) {
                const bool onSquare = !place || (*place)[at].takes(letters.looseOf(letter));
                if (onSquare)
                    here.push_back(letter);
            }
        }
        if (here.empty())
            return true;
        total *= here.size();
        if (total > max)
            return false;
        choices.push_back(std::move(here));
    }
    std::vector<std::size_t> pick(choices.size());
    for (;;) {
        std::string spelling;
        for (std::size_t at = 0; at < choices.size(); ++at)
            spelling += choices[at][pick[at]];
        out.push_back(std::move(spelling));
        std::size_t at = choices.size();
        while (at > 0 && ++pick[at - 1] == choices[at - 1].size())
            pick[--at] = 0;
        if (at == 0)
            return true;
    }
}
