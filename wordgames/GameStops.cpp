// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/GameStops.h"

namespace GameStops {

namespace {

constexpr const char *kForms[] = { kJudged, kJudgedAtLeast, kSpellings, kLateUnjudged, kLate,
    kStopped, kPhraseSteps, kPhrases };

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where %1 to %9 stands at in form, from at on.
std::size_t nextMarker(std::string_view form, std::size_t at)
{
    for (; at + 1 < form.size(); ++at) {
        if (form[at] == '%' && form[at + 1] >= '1' && form[at + 1] <= '9')
            return at;
    }
    return std::string_view::npos;
}

} // namespace

std::string written(const char *form, std::initializer_list<std::size_t> numbers)
{
    const std::string_view source(form);
    std::string text;
    std::size_t from = 0;
    for (std::size_t at = nextMarker(source, 0); at != std::string_view::npos;
         at = nextMarker(source, from)) {
        text += source.substr(from, at - from);
        const auto k = static_cast<std::size_t>(source[at + 1] - '1');
        if (k < numbers.size())
            text += std::to_string(*(numbers.begin() + k));
        from = at + 2;
    }
    text += source.substr(from);
    return text;
}

std::optional<Parsed> parse(std::string_view text)
{
    for (const char *form : kForms) {
        const std::string_view source(form);
        Parsed parsed { form, {} };
        std::size_t from = 0; // in source
        std::size_t read = 0; // in text
        bool fits = true;
        for (std::size_t at = nextMarker(source, 0); fits && at != std::string_view::npos;
             at = nextMarker(source, from)) {
            const std::string_view fixed = source.substr(from, at - from);
            fits = text.substr(read).starts_with(fixed);
            read += fixed.size();
            std::size_t end = read;
            while (fits && end < text.size() && isDigit(text[end]))
                ++end;
            fits = fits && end > read;
            if (fits)
                parsed.numbers.emplace_back(text.substr(read, end - read));
            read = end;
            from = at + 2;
        }
        if (fits && text.substr(std::min(read, text.size())) == source.substr(from))
            return parsed;
    }
    return std::nullopt;
}

} // namespace GameStops
