// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Messages.h"
#include "search/Request.h"
#include "tests/support/SearchFixture.h"

#include <QTest>

namespace {

using Fixture = SearchFixture;

const QString kPreviousResult = QStringLiteral("Done - Found 1 words: dog");

} // namespace

class TestRequest : public QObject {
    Q_OBJECT

private slots:
    void validation_data()
    {
        QTest::addColumn<QString>("letters");
        QTest::addColumn<bool>("valid");
        QTest::newRow("whole alphabet")
            << "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ" << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("inner space") << "c at" << false;
        QTest::newRow("digit") << "cat1" << false;
        QTest::newRow("tab") << "ca\tt" << false;
        QTest::newRow("punctuation") << "ca-t" << false;
        QTest::newRow("diacritic") << QStringLiteral("café") << false;
        QTest::newRow("dotless i upper-cases to I") << QStringLiteral("\u0131t") << false;
        QTest::newRow("long s upper-cases to S") << QStringLiteral("\u017Fit") << false;
        QTest::newRow("fullwidth letter") << QStringLiteral("\uFF41b") << false;
        QTest::newRow("just past the letters") << "[`{@" << false;
        QTest::newRow("10000 letters then a digit") << QString(9999, u'a') + u'7' << false;
    }
    void validation()
    {
        QFETCH(QString, letters);
        QFETCH(bool, valid);
        QString strerr = QStringLiteral("untouched");
        QCOMPARE(bolValidLetters(letters, strerr), valid);
        QCOMPARE(strerr,
            valid ? QStringLiteral("untouched") : QString::fromLatin1(Messages::kInvalidCharacter));
    }

    void trimming_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("spaces around") << "  cat  "
                                       << "cat";
        QTest::newRow("only spaces") << "    "
                                     << "";
        QTest::newRow("inner space stays") << " c at "
                                           << "c at";
        QTest::newRow("tabs are not trimmed") << "\tcat\t"
                                              << "\tcat\t";
        QTest::newRow("case stays") << " Cat"
                                    << "Cat";
    }
    void trimming()
    {
        QFETCH(QString, typed);
        QFETCH(QString, trimmed);
        QCOMPARE(trimSpaces(typed), trimmed);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MessageIcon>("icon");
        const QString invalid = QString::fromLatin1(Messages::kInvalidCharacter);
        const QString none = QString::fromLatin1(Messages::kNoLetters);
        QTest::newRow("digit") << "cat1" << invalid << MessageIcon::Critical;
        QTest::newRow("empty box") << "" << none << MessageIcon::Exclamation;
        QTest::newRow("only spaces") << "   " << none << MessageIcon::Exclamation;
    }
    void refusals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(MessageIcon, icon);
        Fixture fx;
        fx.view.input = typed;
        fx.view.resultsText = kPreviousResult;
        fx.search.startanalysis();
        QCOMPARE(fx.box.shown().size(), 1);
        QCOMPARE(fx.box.shown().first(),
            (MessageRequest { text, Messages::kProblemTitle, MessageButtons::Ok, icon }));
        QCOMPARE(fx.view.resultsText, kPreviousResult);
        QVERIFY(fx.checkers.attempts.isEmpty());
        QVERIFY(!fx.log.entries().contains("cancel shown"));
    }

    void confirmation_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("asked");
        QTest::newRow("8 letters are never asked about") << "abcdefgh" << false;
        QTest::newRow("9 letters") << "abcdefghi" << true;
        QTest::newRow("9 letters once trimmed") << "  abcdefghi  " << true;
    }
    void confirmation()
    {
        QFETCH(QString, typed);
        QFETCH(bool, asked);
        Fixture fx;
        fx.view.input = typed;
        fx.box.queueAnswer(MessageAnswer::No);
        fx.search.startanalysis();
        if (!asked) {
            QVERIFY(fx.box.shown().isEmpty());
            QCOMPARE(fx.view.resultsText, QString::fromLatin1(Messages::kNoWordsFound));
            return;
        }
        QCOMPARE(fx.box.shown().size(), 1);
        QCOMPARE(fx.box.shown().first(),
            (MessageRequest {
                Messages::kConfirmBefore + QStringLiteral("9") + Messages::kConfirmAfter,
                Messages::kConfirmTitle, MessageButtons::YesNo, MessageIcon::None }));
    }

    void confirmationAnsweredNoChangesNothing()
    {
        Fixture fx;
        fx.view.input = "abcdefghij";
        fx.view.resultsText = kPreviousResult;
        fx.box.queueAnswer(MessageAnswer::No);
        fx.search.startanalysis();
        QCOMPARE(fx.view.resultsText, kPreviousResult);
        QVERIFY(!fx.view.cancelVisible);
        // The checker is made (it decides whether the question is needed),
        // then the question; no arrangement is asked about.
        QCOMPARE(fx.log.entries().size(), 2);
        QCOMPARE(fx.log.entries().first(), "create: excel.application");
        QVERIFY(!fx.checkers.script->asked.contains("abcdefghij"));
    }

    void acceptedRequestRunsBetweenCancelShownAndHidden()
    {
        Fixture fx;
        fx.view.input = "  Cat ";
        fx.view.resultsText = kPreviousResult;
        fx.checkers.script->accepted = { "Cat" };
        fx.search.startanalysis();
        QCOMPARE(fx.log.entries(),
            (QStringList { "create: excel.application", "results: ", "cancel shown",
                "progress range", "results color", "results: Done - Found 1 words: Cat",
                "cancel hidden" }));
        QCOMPARE(fx.checkers.script->asked.mid(1, 2), (QStringList { "Cat", "aCt" }));
    }

    void requestClearsTheCancelFlag()
    {
        Fixture fx;
        fx.view.input = "cat";
        fx.search.cmdCancel_Click();
        QVERIFY(fx.search.bolCancel());
        fx.search.startanalysis();
        QVERIFY(!fx.search.bolCancel());
        QCOMPARE(fx.view.resultsText, QString::fromLatin1(Messages::kNoWordsFound));
    }

    // Enter again while a run goes on: the running search is cancelled and
    // the request starts over with the letters the box holds by then.
    void newRequestDuringRunReplacesIt()
    {
        Fixture fx;
        fx.view.input = "abcde";
        fx.checkers.script->accepted = { "dog", "abcde" };
        int passes = 0;
        fx.view.onEvents = [&] {
            if (++passes == 3) {
                fx.view.input = "god";
                fx.search.startanalysis();
            }
        };
        fx.search.startanalysis();
        QCOMPARE(fx.view.resultsText, QStringLiteral("Done - Found 1 words: dog"));
        QCOMPARE(fx.log.entries().count("results: Done - Found 1 words: dog"), 1);
        QVERIFY(!fx.log.entries().contains("results: Done - Found 1 words: abcde"));
        QCOMPARE(fx.log.entries().count("cancel hidden"), 1);
        QVERIFY(!fx.view.cancelVisible);
        QCOMPARE(fx.checkers.script->alive, 0);
    }
};

QTEST_APPLESS_MAIN(TestRequest)
#include "tst_request.moc"
