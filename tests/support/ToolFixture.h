// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/GameOptions.h"
#include "cli/GameTool.h"
#include "cli/ToolIo.h"
#include "search/HeadlessView.h"
#include "tests/support/FakeIndexSource.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/ScriptedChecker.h"
#include "wordforms/FormRole.h"

#include <QCommandLineParser>
#include <QStringList>

// The services quorvel-search's tools are given, over a dictionary of act and cat.

// Which word index the dictionary has.
enum class Index {
    Forms, // every form of act and cat, and every letter as a compound's part
    Refused, // none: the index source refuses it
    RefusedWithin, // one that cannot tell the forms within the letters
};

// A run of the tool: its options, its letters, and what it ends with.
struct RunRow {
    const char *name;
    QStringList options;
    QString letters;
    Index index;
    ExitStatus status;
    QString out;
    QString err; // a piece of a line on standard error
};

// An index of stems that cannot make the forms within any letters.
class RefusingForms final : public FormSource {
public:
    FormsWithin within(std::string_view, const std::function<bool()> &) const override
    {
        return { nullptr, "the letters have too many forms" };
    }
    const CompoundSettings &compounds() const override { return m_settings; }
    const std::vector<std::uint64_t> &image() const override { return m_image; }
    std::size_t size() const override { return 0; }
    std::size_t memoryBytes() const override { return 0; }
    bool keepsForms() const override { return false; }

private:
    CompoundSettings m_settings;
    std::vector<std::uint64_t> m_image;
};

inline const std::filesystem::path kDictionary("/dictionaries/xx_XX");

// The services of a run over a dictionary of act and cat, and what it writes.
struct ToolFixture {
    explicit ToolFixture(Index index)
    {
        checkers.script->accepted = { "act", "cat", "hello" };
        checkers.script->dictionary = kDictionary;
        CompoundSettings settings;
        settings.classic = true;
        settings.minPart = 1;
        std::vector<std::pair<std::string, std::uint8_t>> forms { { "act", FormRole::Word },
            { "cat", FormRole::Word } };
        for (char c = 'a'; c <= 'z'; ++c)
            forms.emplace_back(std::string(1, c), FormRole::Parts);
        if (index == Index::Forms)
            indexes.index
                = std::make_shared<const KeptForms>(WordIndex::fromForms(forms, settings));
        else if (index == Index::RefusedWithin)
            indexes.index = std::make_shared<const RefusingForms>();
        else
            indexes.refusal = "the affix file has two encodings";
        // The letters of its words, and a few more of other alphabets.
        indexes.alphabet
            = std::make_shared<const Alphabet>(*Alphabet::of({ "a", "c", "t", "é", "ς" }));
        io.out = [this](const QByteArray &bytes) { out += bytes; };
        io.errLine = [this](const std::string &line) { err.append(QString::fromStdString(line)); };
    }

    [[nodiscard]] ToolServices services() { return { checkers, indexes, box, terminator }; }
    [[nodiscard]] QString errText() const { return err.join(u'\n'); }

    ScriptedCheckerFactory checkers;
    FakeIndexSource indexes;
    FakeMessageBox box;
    FlagTerminator terminator;
    ToolIo io;
    QByteArray out;
    QStringList err;
};

inline GameCommand gameFor(const QStringList &options, const QString &letters)
{
    QCommandLineParser parser;
    const GameOptions games;
    games.addTo(parser);
    if (!parser.parse(GameOptions::withPhraseDefault(QStringList { "tool" } + options)))
        qFatal("%s", qPrintable(parser.errorText()));
    return std::get<GameCommand>(games.read(parser, letters));
}
