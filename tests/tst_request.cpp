// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"

#include <QTest>

namespace {

// What the window does with a request: runs it at once, asks first, or
// refuses it for having no letters or a character that is not one.
enum class Outcome { Runs, Asks, NoLetters, Invalid };

struct RequestRow {
    const char *name;
    QString typed;
    Outcome outcome;
    QString letters = {}; // what is searched, or counted in the question
};

const QString kPreviousResult = QStringLiteral("Done - Found 1 words: dog");

// The window after the user typed this and pressed Enter, answering No to
// any question.
SearchOptions optionsFor(LetterRule rule)
{
    SearchOptions options { std::chrono::nanoseconds(0) };
    options.letters = rule;
    return options;
}

struct Typed : SearchFixture {
    explicit Typed(const QString &typed, LetterRule rule = LetterRule::ByScript,
        std::optional<std::filesystem::path> dictionary = std::nullopt)
        : SearchFixture(optionsFor(rule))
    {
        checkers.dictionaryPath = std::move(dictionary);
        view.input = typed;
        view.resultsText = kPreviousResult;
        box.queueAnswer(MessageAnswer::No);
        search.startanalysis();
    }
    [[nodiscard]] MessageRequest onlyBox() const
    {
        return box.shown().size() == 1 ? box.shown().first() : MessageRequest();
    }
};

// A request in the window, whose dictionary's script decides.
struct ScriptRow {
    const char *name;
    const char *dictionary; // the file's name; "": not known
    QString typed;
    bool runs;
};

// A request of the command-line tool, which takes the letters of any alphabet.
struct AnyLetterRow {
    const char *name;
    QString typed;
    Outcome outcome;
    QString searched = {}; // the first arrangement asked
    int count = 0; // the letters the question counts
    QString named = {}; // in the refusal
};

} // namespace

class TestRequest : public QObject {
    Q_OBJECT

private slots:
    // Only spaces are trimmed; what is left must be Latin letters only, and
    // from nine letters on the user is asked first.
    void request_data()
    {
        using enum Outcome;
        const QString alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        addRows<RequestRow>({
            { "whole alphabet", alphabet, Asks, alphabet },
            { "spaces around", "  cat  ", Runs, "cat" },
            { "8 letters run at once", "abcdefgh", Runs, "abcdefgh" },
            { "9 letters once trimmed are asked about", "  abcdefghi  ", Asks, "abcdefghi" },
            { "empty", "", NoLetters },
            { "only spaces", "    ", NoLetters },
            { "inner space stays", " c at ", Invalid },
            { "a tab before is not trimmed", "\tcat", Invalid },
            { "a tab after is not trimmed", "cat\t", Invalid },
            { "digit", "cat1", Invalid },
            { "punctuation", "ca-t", Invalid },
            { "diacritic", QStringLiteral("café"), Invalid },
            { "dotless i upper-cases to I", QStringLiteral("\u0131t"), Invalid },
            { "fullwidth letter", QStringLiteral("\uFF41b"), Invalid },
            { "just past the letters", "[`{@", Invalid },
            { "10000 letters then a digit", QString(9999, u'a') + u'7', Invalid },
        });
    }
    void request()
    {
        QFETCH(RequestRow, row);
        const Typed fx(row.typed);
        const bool runs = row.outcome == Outcome::Runs;
        // A run starts from the letters as they stand, after the checker's own test word.
        QCOMPARE(fx.checkers.script->asked.mid(1, 1),
            runs ? QStringList { row.letters } : QStringList());
        QCOMPARE(fx.view.resultsText == kPreviousResult, !runs);
        QCOMPARE(fx.log.entries().contains("cancel shown"), runs);
        // A refusal makes no checker; the question needs one first, to know
        // whether the index answers.
        QCOMPARE(fx.checkers.attempts.isEmpty(), !runs && row.outcome != Outcome::Asks);
        QCOMPARE(fx.checkers.script->alive, 0);
        if (runs) {
            QVERIFY(fx.box.shown().isEmpty());
        } else if (row.outcome == Outcome::Asks) {
            const MessageRequest question = fx.onlyBox();
            QCOMPARE(std::pair(question.buttons, question.icon),
                std::pair(MessageButtons::YesNo, MessageIcon::None));
            const QString count = u' ' + QString::number(row.letters.size()) + u' ';
            QVERIFY2(question.text.contains(count), qPrintable(question.text));
        } else {
            // The same box as for any other input of its kind.
            QCOMPARE(
                fx.onlyBox(), Typed(row.outcome == Outcome::NoLetters ? "" : "cat1").onlyBox());
        }
    }

    void anyLetter_data()
    {
        using enum Outcome;
        addRows<AnyLetterRow>({
            { "Greek letters run", QStringLiteral("λόγος"), Runs, QStringLiteral("λόγος") },
            { "Cyrillic capitals run", QStringLiteral("КОТ"), Runs, QStringLiteral("КОТ") },
            { "a combining accent typed separately is one letter", QStringLiteral("e\u0301te"),
                Runs, QStringLiteral("\u00E9te") },
            { "eight Bengali letters of two characters each run at once",
                QString(QStringLiteral("কি")).repeated(8), Runs,
                QString(QStringLiteral("কি")).repeated(8) },
            { "nine letters typed as eighteen characters are asked about",
                QString(QStringLiteral("e\u0301")).repeated(9), Asks, {}, 9 },
            { "a digit is named", QStringLiteral("кот1"), Invalid, {}, 0,
                QStringLiteral("U+0031 DIGIT ONE") },
            { "a lone mark is named", QStringLiteral("\u0301кот"), Invalid, {}, 0,
                QStringLiteral("U+0301 COMBINING ACUTE ACCENT") },
            { "an inner space is named", QStringLiteral("к т"), Invalid, {}, 0,
                QStringLiteral("U+0020 SPACE") },
            { "only spaces are no letters", QStringLiteral("   "), NoLetters },
        });
    }
    void anyLetter()
    {
        QFETCH(AnyLetterRow, row);
        const Typed fx(row.typed, LetterRule::AnyLetter);
        QCOMPARE(fx.checkers.script->asked.mid(1, 1),
            row.outcome == Outcome::Runs ? QStringList { row.searched } : QStringList());
        const MessageRequest box = fx.onlyBox();
        switch (row.outcome) {
        case Outcome::Runs:
            QVERIFY(fx.box.shown().isEmpty());
            break;
        case Outcome::Asks:
            QVERIFY2(
                box.text.contains(u' ' + QString::number(row.count) + u' '), qPrintable(box.text));
            break;
        case Outcome::NoLetters:
            QCOMPARE(box, Typed("").onlyBox());
            break;
        case Outcome::Invalid:
            QCOMPARE(std::pair(box.buttons, box.icon),
                std::pair(MessageButtons::Ok, MessageIcon::Critical));
            QVERIFY2(box.text.contains(row.named), qPrintable(box.text));
            break;
        }
    }

    // The window takes A to Z for a dictionary of a language written in Latin
    // letters, and any letter for one written in another script.
    void windowByScript_data()
    {
        addRows<ScriptRow>({
            { "Greek for a Greek dictionary", "el_GR", QStringLiteral("λόγος"), true },
            { "Cyrillic for a Russian dictionary", "ru_RU", QStringLiteral("кот"), true },
            { "Cyrillic for a Serbian dictionary", "sr", QStringLiteral("пас"), true },
            { "Latin letters for a Greek dictionary", "el_GR", QStringLiteral("cat"), true },
            { "a digit for a Greek dictionary", "el_GR", QStringLiteral("λ1"), false },
            { "accents for a French dictionary", "fr", QStringLiteral("été"), false },
            { "Cyrillic for a Latin-script Serbian dictionary", "sr_Latn_RS", QStringLiteral("пас"),
                false },
            { "Greek for a dictionary of no known language", "qq_QQ", QStringLiteral("λόγος"),
                false },
            { "Greek for a checker of no dictionary", "", QStringLiteral("λόγος"), false },
        });
    }
    void windowByScript()
    {
        QFETCH(ScriptRow, row);
        const std::string name = row.dictionary;
        const Typed fx(row.typed, LetterRule::ByScript,
            name.empty() ? std::nullopt : std::optional(std::filesystem::path("/dicts") / name));
        QCOMPARE(fx.checkers.script->asked.mid(1, 1),
            row.runs ? QStringList { row.typed } : QStringList());
        // Refused as A to Z has always been refused.
        if (!row.runs)
            QCOMPARE(fx.onlyBox(), Typed("cat1").onlyBox());
    }

    // No letters is a warning, a wrong character an error; both under one title.
    void refusalsTellNoLettersFromAWrongCharacter()
    {
        const MessageRequest none = Typed("").onlyBox(), wrong = Typed("cat1").onlyBox();
        QVERIFY(!none.text.isEmpty() && !wrong.text.isEmpty() && none.text != wrong.text);
        QVERIFY(!none.title.isEmpty() && none.title == wrong.title);
        QCOMPARE(std::pair(none.buttons, none.icon),
            std::pair(MessageButtons::Ok, MessageIcon::Exclamation));
        QCOMPARE(std::pair(wrong.buttons, wrong.icon),
            std::pair(MessageButtons::Ok, MessageIcon::Critical));
    }

    // Trimmed, 8 letters run without a question, from a click on Cancel
    // before the request as from none.
    void acceptedRequestRunsBetweenCancelShownAndHidden()
    {
        SearchFixture fx;
        fx.view.input = " abcdefgH  ";
        fx.view.resultsText = kPreviousResult;
        fx.checkers.script->accepted = { "abcdefgH" };
        fx.search.cmdCancel_Click();
        fx.search.startanalysis();
        QCOMPARE(fx.log.entries(),
            (QStringList { "create: excel.application", "results: ", "cancel shown",
                "progress range", "results color", "results: Done - Found 1 words: abcdefgH",
                "cancel hidden" }));
        QCOMPARE(fx.checkers.script->asked.mid(1, 2), (QStringList { "abcdefgH", "bacdefgH" }));
        QVERIFY(!fx.search.bolCancel());
    }

    // Enter again while a run goes on: the running search is cancelled and
    // the request starts over with the letters the box holds by then.
    void newRequestDuringRunReplacesIt()
    {
        SearchFixture fx;
        fx.view.input = "abcde";
        fx.checkers.script->accepted = { "dog", "abcde" };
        fx.view.onEvents = [&] {
            if (fx.view.eventPasses == 3) {
                fx.view.input = "god";
                fx.search.startanalysis();
            }
        };
        fx.search.startanalysis();
        QCOMPARE(fx.view.resultsText, QStringLiteral("Done - Found 1 words: dog"));
        QCOMPARE(fx.log.entries().count("results: Done - Found 1 words: dog"), 1);
        QVERIFY(!fx.log.entries().contains("results: Done - Found 1 words: abcde"));
        QCOMPARE(fx.log.entries().count("cancel hidden"), 1);
        QCOMPARE(fx.log.entries().last(), "cancel hidden");
        QCOMPARE(fx.checkers.script->alive, 0);
    }
};

QTEST_APPLESS_MAIN(TestRequest)
#include "tst_request.moc"
