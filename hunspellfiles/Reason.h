// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// lupdate reads the class below as a context of its own (its -tr-function-alias
// option in translations/CMakeLists.txt); to the compiler it is nothing.
#define QUORVEL_REASON_CONTEXT(context)

// The reasons the layers without Qt give (why a dictionary has no word index,
// why a search tried every arrangement) are written in English, kept so in the
// cache and read by scripts so; Reason::mark() marks such a text for the
// catalogues' "Reason" context, and the place that shows it to the user
// translates it there. A reason with a part that varies is written from one
// of the forms below, so that the place showing it can tell the form and the
// part apart again.
struct ReasonMark {
    // The text itself, marked for translation.
    static constexpr const char *mark(const char *text) { return text; }
};

struct Reason : ReasonMark {
    QUORVEL_REASON_CONTEXT(Reason)

    static constexpr const char *kStepsOverBudget
        = mark("the search for compounds took more steps than its budget of %1");
    static constexpr const char *kCandidatesOverBudget
        = mark("the search for compounds named more than %1 candidates, its budget");
    static constexpr const char *kFilesUnread = mark("the dictionary files cannot be read: %1");
    static constexpr const char *kAffixFileUnread = mark("its affix file cannot be read: %1");
    static constexpr const char *kStemsUnread = mark("the index of stems does not read back: %1");
    static constexpr const char *kTooManyTiles = mark("more than %1 letters and blanks");
    static constexpr const char *kUnknownEncoding = mark("the encoding %1 is not known");
    static constexpr const char *kNoCount = mark("%1 has no count");
    static constexpr const char *kNoValue = mark("%1 line without a value");

    static constexpr const char *kForms[] = { kStepsOverBudget, kCandidatesOverBudget, kFilesUnread,
        kAffixFileUnread, kStemsUnread, kTooManyTiles, kUnknownEncoding, kNoCount, kNoValue };

    // form with its %1 standing for part.
    [[nodiscard]] static std::string with(std::string_view form, std::string_view part)
    {
        const auto at = form.find(kMarker);
        std::string text(form.substr(0, at));
        text += part;
        text += form.substr(at + kMarker.size());
        return text;
    }

    // Which of forms text was written from, and the part it names; a part
    // may itself be a reason.
    struct Parsed {
        const char *form;
        std::string part;
    };
    [[nodiscard]] static std::optional<Parsed> parse(
        std::string_view text, std::span<const char *const> forms = kForms)
    {
        for (const char *form : forms) {
            const std::string_view source(form);
            const auto at = source.find(kMarker);
            const std::string_view before = source.substr(0, at);
            const std::string_view after = source.substr(at + kMarker.size());
            if (text.size() > before.size() + after.size() && text.starts_with(before)
                && text.ends_with(after))
                return Parsed { form,
                    std::string(
                        text.substr(before.size(), text.size() - before.size() - after.size())) };
        }
        return std::nullopt;
    }

private:
    static constexpr std::string_view kMarker = "%1";
};
