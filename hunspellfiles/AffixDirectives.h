// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hunspellfiles/AffixFile.h"
#include "hunspellfiles/AffixLines.h"

#include <map>
#include <string>

class TextDecoder;

// Reads the directives of an affix file, one line after another, into the
// file's model; refuses the file where a line cannot be taken as both
// engines would take it.
class AffixDirectives {
public:
    AffixDirectives(AffixFile &file, const TextDecoder &decoder, const ReadLimits &limits);

    // False stops the reading: the file is refused.
    bool line(const AffixLine &line);
    // Whether a line named an option the search for compounds does not follow.
    [[nodiscard]] bool doubts() const { return m_doubts; }
    // Whether one named an option that the roles of compound parts, as the
    // index marks them part by part, do not follow (see FormRole::Doubt).
    [[nodiscard]] bool partDoubts() const { return m_partDoubts; }

private:
    bool refuse(std::string reason);
    [[nodiscard]] bool inBlock() const;
    void stop();
    // Counts one more rule, alias or table line; false past the limit.
    [[nodiscard]] bool countRule();
    bool flagDirective(std::string_view keyword, const AffixLine &line);
    bool table(std::string_view keyword, const AffixLine &line);
    bool tableLine(std::string_view keyword, const AffixLine &line);
    bool compoundRule(std::string_view rule);
    bool compoundPattern(const AffixLine &line);
    bool affix(const AffixLine &line);
    bool affixRule(const AffixLine &line);

    AffixFile &m_file;
    const TextDecoder &m_decoder;
    const ReadLimits &m_limits;
    std::size_t m_rules = 0;
    std::size_t m_affixLeft = 0;
    std::size_t m_class = 0; // the class whose rules follow
    std::vector<std::size_t> m_classLeft; // rules yet to come of each class (Nuspell)
    bool m_stopped = false; // Hunspell reads no further
    bool m_doubts = false;
    bool m_partDoubts = false;
    std::map<std::string, std::size_t, std::less<>> m_tableLeft;
};
