// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of a dictionary's .dic file (each line's word before its flags),
// in UTF-8 whatever encoding the affix file's SET names (el_GR's is
// ISO-8859-7), for the benches that make their inputs from them.
#include "hunspellfiles/AffixLines.h"
#include "hunspellfiles/TextDecoder.h"

#include <QString>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// The decoder of the encoding the affix file's SET names, as the affix
// reader finds it; none when the file is refused or names none known.
inline std::optional<TextDecoder> dictionaryDecoder(const std::string &affText)
{
    AffixFile settings;
    if (!readSettings(affText, Dialect::Nuspell, ReadLimits {}, settings))
        return std::nullopt;
    return TextDecoder::forEncoding(settings.encoding);
}

inline std::vector<std::string> dictionaryWords(const std::filesystem::path &base)
{
    std::ifstream aff(base.string() + ".aff", std::ios::binary);
    std::ostringstream affText;
    affText << aff.rdbuf();
    const auto decoder = dictionaryDecoder(affText.str());
    std::vector<std::string> out;
    std::ifstream dic(base.string() + ".dic");
    std::string line;
    std::getline(dic, line); // the count
    while (std::getline(dic, line)) {
        std::string word = line.substr(0, line.find_first_of("/\t \r"));
        if (decoder && !decoder->isUtf8()) {
            const std::u32string text = decoder->decode(word);
            word
                = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
        }
        out.push_back(std::move(word));
    }
    return out;
}
