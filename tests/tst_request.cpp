// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Messages.h"
#include "search/Request.h"
#include "tests/support/Rows.h"
#include "tests/support/SearchFixture.h"

#include <QTest>

namespace {

struct RequestRow {
    const char *name;
    QString typed;
    const char *refusal; // nullptr: the request is accepted
    QString letters = {}; // what an accepted request searches
};

const QString kPreviousResult = QStringLiteral("Done - Found 1 words: dog");
const char *const kInvalid = Messages::kInvalidCharacter;

} // namespace

class TestRequest : public QObject {
    Q_OBJECT

private slots:
    // Only spaces are trimmed; what is left must be Latin letters only.
    void checkedRequest_data()
    {
        const QString alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        addRows<RequestRow>({
            { "whole alphabet", alphabet, nullptr, alphabet },
            { "spaces around", "  cat  ", nullptr, "cat" },
            { "empty", "", Messages::kNoLetters },
            { "only spaces", "    ", Messages::kNoLetters },
            { "inner space stays", " c at ", kInvalid },
            { "tabs are not trimmed", "\tcat\t", kInvalid },
            { "digit", "cat1", kInvalid },
            { "punctuation", "ca-t", kInvalid },
            { "diacritic", QStringLiteral("café"), kInvalid },
            { "dotless i upper-cases to I", QStringLiteral("\u0131t"), kInvalid },
            { "fullwidth letter", QStringLiteral("\uFF41b"), kInvalid },
            { "just past the letters", "[`{@", kInvalid },
            { "10000 letters then a digit", QString(9999, u'a') + u'7', kInvalid },
        });
    }
    void checkedRequest()
    {
        QFETCH(RequestRow, row);
        const CheckedRequest request = checkRequest(row.typed);
        if (!row.refusal) {
            QVERIFY(!request.refusal);
            QCOMPARE(request.letters, row.letters);
            return;
        }
        const auto icon
            = row.refusal == kInvalid ? MessageIcon::Critical : MessageIcon::Exclamation;
        QCOMPARE(request.refusal.value_or(MessageRequest()),
            (MessageRequest { row.refusal, Messages::kProblemTitle, MessageButtons::Ok, icon }));
    }

    void confirmationFromNineLetters()
    {
        QVERIFY(!confirmationFor(8));
        QCOMPARE(confirmationFor(9).value_or(MessageRequest()),
            (MessageRequest {
                Messages::kConfirmBefore + QStringLiteral("9") + Messages::kConfirmAfter,
                Messages::kConfirmTitle, MessageButtons::YesNo, MessageIcon::None }));
    }

    // A refused request, or one the user says No to, shows its box and
    // leaves the window as it was.
    void unrunRequestChangesNothing_data()
    {
        addRows<QString>("typed",
            { { "refused", "cat1" }, { "9 letters once trimmed, answered No", "  abcdefghi  " } });
    }
    void unrunRequestChangesNothing()
    {
        QFETCH(QString, typed);
        SearchFixture fx;
        fx.view.input = typed;
        fx.view.resultsText = kPreviousResult;
        fx.box.queueAnswer(MessageAnswer::No);
        fx.search.startanalysis();
        const CheckedRequest request = checkRequest(typed);
        const auto box
            = request.refusal ? request.refusal : confirmationFor(request.letters.size());
        QCOMPARE(fx.box.shown(), QList<MessageRequest> { box.value_or(MessageRequest()) });
        QCOMPARE(fx.view.resultsText, kPreviousResult);
        // A refusal makes no checker; the question needs one first, to know
        // whether the index answers. Nothing else happens.
        QCOMPARE(fx.log.entries().size(), request.refusal ? 1 : 2);
        QCOMPARE(fx.checkers.attempts.size(), request.refusal ? 0 : 1);
        QVERIFY(!fx.checkers.script->asked.contains(request.letters));
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
