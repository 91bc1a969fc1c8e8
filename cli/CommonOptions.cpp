// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommonOptions.h"

#include "translations/Language.h"

CommonOptions::CommonOptions()
    : m_exhaustive(QStringLiteral("exhaustive"),
        tr("Try every arrangement, even where the dictionary's word index could answer at once."))
    , m_noCache(QStringLiteral("no-cache"),
          tr("Neither read nor write the dictionary cache (~/.cache/quorvel)."))
    , m_dictionary(QStringLiteral("dictionary"),
          tr("Use the dictionary of this language (de_DE) or at this path (a .dic file, or its "
             "path without the extension)."),
          QStringLiteral("NAME_OR_PATH"))
    , m_language(QString::fromLatin1(InterfaceLanguage::kOption),
          tr("Speak this language (de, fr, pt_BR; en for English) instead of the one the "
             "environment names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). The dictionary is chosen "
             "apart from it."),
          QStringLiteral("LANGUAGE"))
{
}

void CommonOptions::addTo(QCommandLineParser &parser) const
{
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({ m_exhaustive, m_noCache, m_dictionary, m_language });
}

bool CommonOptions::exhaustive(const QCommandLineParser &parser) const
{
    return parser.isSet(m_exhaustive);
}

bool CommonOptions::noCache(const QCommandLineParser &parser) const
{
    return parser.isSet(m_noCache);
}

std::variant<std::optional<DictionaryPick>, CommandRefusal> CommonOptions::dictionary(
    const QCommandLineParser &parser, const std::vector<std::filesystem::path> &folders) const
{
    if (!parser.isSet(m_dictionary))
        return std::nullopt;
    auto named = pickDictionary(parser.value(m_dictionary).toStdString(), folders);
    if (const auto *why = std::get_if<std::string>(&named))
        return CommandRefusal { ExitStatus::Usage,
            tr("--dictionary: %1.").arg(QString::fromStdString(*why)) };
    return std::get<DictionaryPick>(std::move(named));
}
