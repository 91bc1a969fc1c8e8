// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ChmViewer.h"
#include "helpviewer/PageLimits.h"
#include "helpviewer/ResponsiveLoad.h"
#include "tests/support/ChmWriter.h"
#include "tests/support/RecordingLauncher.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString repeated(const QString &piece, int times)
{
    return piece.repeated(times);
}

// A help file whose start page is page.html with the given text (none: no page).
QString writeHelpFile(const QTemporaryDir &dir, const std::optional<QByteArray> &page,
    const QByteArray &startPage = "page.html")
{
    ChmWriter writer;
    writer.addFile("/#SYSTEM",
        ChmWriter::system(startPage.isEmpty()
                ? QByteArray()
                : ChmWriter::systemRecord(2, startPage + QByteArray(1, '\0'))));
    if (page)
        writer.addFile("/page.html", *page);
    const QString path = dir.filePath("help.chm");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(writer.build());
    return path;
}

// Contents "First" (a.html) with a longer entry (b.html) inside; a.html is the
// start page, and no entry names c.html.
const QString kSecond = QStringLiteral("Where the help file lives and how it is found");

QString writeBook(const QTemporaryDir &dir)
{
    const QString entry
        = "<li><object><param name=Name value=\"%1\"><param name=Local value=%2></object>";
    ChmWriter writer;
    writer.addFile("/#SYSTEM",
        ChmWriter::system(
            ChmWriter::systemRecord(2, "a.html") + ChmWriter::systemRecord(0, "toc.hhc")));
    writer.addFile("/toc.hhc",
        ("<ul>" + entry.arg("First", "a.html") + "<ul>" + entry.arg(kSecond, "B.html#top"))
            .toUtf8());
    for (const QByteArray name : { "a", "b", "c" })
        writer.addFile("/" + name + ".html", "<p id=part>" + name);
    const QString path = dir.filePath("book.chm");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(writer.build());
    return path;
}

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void pagesBeyondTheLimits_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("limit"); // named on the error page
        QTest::newRow("2,000 nested tables")
            << repeated("<table><tr><td>", 2000) + "x" << PageLimits::kMaxTableNesting;
        QTest::newRow("16 MB of <p>x")
            << repeated("<p>x", 4 * 1024 * 1024) << int(PageLimits::kMaxPageBytes / 1024);
        QTest::newRow("a page just over the size limit") << QString(
            PageLimits::kMaxPageBytes + 1, u'x') << int(PageLimits::kMaxPageBytes / 1024);
        QTest::newRow("deeply nested blocks")
            << repeated("<div>", PageLimits::kMaxNesting + 1) << PageLimits::kMaxNesting;
        QTest::newRow("many elements")
            << repeated("<br>", PageLimits::kMaxElements + 1) << PageLimits::kMaxElements;
        QTest::newRow("many table cells")
            << "<table><tr>" + repeated("<td>", PageLimits::kMaxTableCells + 1)
            << PageLimits::kMaxTableCells;
    }
    void pagesBeyondTheLimits()
    {
        QFETCH(QString, page);
        QFETCH(int, limit);
        QTemporaryDir dir;
        RecordingLauncher launcher;
        HelpWindow window(writeHelpFile(dir, page.toUtf8()), launcher);
        QVERIFY(window.isReadable());
        const QString shown = window.browser()->toPlainText();
        QVERIFY2(shown.contains(u"cannot be shown") && shown.contains(QString::number(limit)),
            qPrintable(shown.left(200)));
    }

    void pagesWithinTheLimits_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("tables nested to the limit")
            << repeated("<table><tr><td>", PageLimits::kMaxTableNesting) + "inside";
        QTest::newRow("blocks nested to the limit")
            << repeated("<div>", PageLimits::kMaxNesting) + "inside";
        QTest::newRow("elements to the limit")
            << repeated("<br>", PageLimits::kMaxElements - 1) + "<b>inside</b>";
        QTest::newRow("cells to the limit")
            << "<table><tr>" + repeated("<td>", PageLimits::kMaxTableCells - 1) + "<td>inside";
        QTest::newRow("closed tables do not add up")
            << repeated("<table><tr><td>a</td></tr></table>", PageLimits::kMaxTableNesting + 2)
                + "inside";
    }
    void pagesWithinTheLimits()
    {
        QFETCH(QString, page);
        QTemporaryDir dir;
        RecordingLauncher launcher;
        HelpWindow window(writeHelpFile(dir, page.toUtf8()), launcher);
        const QString shown = window.browser()->toPlainText();
        QVERIFY2(shown.contains(u"inside") && !shown.contains(u"cannot be shown"),
            qPrintable(shown.left(200)));
    }

    void nothingToShowGivesTheErrorPage_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("page");
        QTest::addColumn<QByteArray>("startPage");
        QTest::newRow("the start page is missing")
            << std::optional<QByteArray>() << QByteArray("page.html");
        QTest::newRow("the start page is empty")
            << std::optional<QByteArray>("<html> </html>") << QByteArray("page.html");
        QTest::newRow("no start page named")
            << std::optional<QByteArray>("<p>x</p>") << QByteArray();
    }
    void nothingToShowGivesTheErrorPage()
    {
        QFETCH(std::optional<QByteArray>, page);
        QFETCH(QByteArray, startPage);
        QTemporaryDir dir;
        RecordingLauncher launcher;
        HelpWindow window(writeHelpFile(dir, page, startPage), launcher);
        QVERIFY(window.isReadable());
        QVERIFY(window.browser()->toPlainText().contains(u"cannot be shown"));
    }

    void damagedDirectoryIsNamedOnTheErrorPage()
    {
        ChmWriter writer;
        writer.addFile("/#SYSTEM", ChmWriter::system(ChmWriter::systemRecord(2, "a.html")));
        writer.nextChunk = { { 0, 0 } };
        QTemporaryDir dir;
        QFile file(dir.filePath("loop.chm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writer.build());
        file.close();
        RecordingLauncher launcher;
        HelpWindow window(file.fileName(), launcher);
        QVERIFY(!window.isReadable());
        const QString shown = window.browser()->toPlainText();
        QVERIFY(shown.contains(u"cannot be shown") && shown.contains(u"chunk 0"));
    }

    void contentsParserIsLinear_data()
    {
        QTest::addColumn<QString>("hhc");
        QTest::newRow("< and a million blanks") << "<" + QString(1000000, u' ');
        QTest::newRow("unclosed tags") << repeated("<param name=x ", 200000);
        QTest::newRow("an unclosed quote") << "<object><param name=\"" + QString(1000000, u'a');
        QTest::newRow("an unclosed comment") << repeated("<!--", 200000);
    }
    void contentsParserIsLinear()
    {
        // A backtracking parser takes minutes here, and the test's timeout fails it.
        QFETCH(QString, hhc);
        QVERIFY(parseContents(hhc).isEmpty());
    }

    void contentsParserReadsAttributes()
    {
        const QString hhc = "<ul><li><object type=text/sitemap><param name='Name' "
                            "value=\"A > B\">\n<param value=a.html name=local /></object>"
                            "<!-- <object><param name=\"Name\" value=\"C\"></object> -->"
                            "<ul><li><object><param name=\"Name\" value=\"D\"></object></ul>"
                            "<li><object><param name=\"Name\" value=\"E\"></object></ul>";
        const QList<ContentsEntry> entries = parseContents(hhc);
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].name, QStringLiteral("A > B"));
        QCOMPARE(entries[0].local, QStringLiteral("a.html"));
        QCOMPARE(entries[1].name, QStringLiteral("D"));
        QCOMPARE(entries[1].depth, 1);
        QCOMPARE(entries[2].depth, 0); // back out of the inner list
    }

    void contentsAreCappedWithANote()
    {
        const QString line = "<li><object><param name=\"Name\" value=\"x\"></object>";
        const QString hhc = "<ul>" + repeated(line, kMaxContentsEntries + 10) + "</ul>";
        QCOMPARE(parseContents(hhc).size(), kMaxContentsEntries);
        ChmWriter writer;
        writer.addFile("/#SYSTEM",
            ChmWriter::system(
                ChmWriter::systemRecord(2, "page.html") + ChmWriter::systemRecord(0, "toc.hhc")));
        writer.addFile("/page.html", "<p>x");
        writer.addFile("/toc.hhc", hhc.toUtf8());
        QTemporaryDir dir;
        QFile file(dir.filePath("long.chm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(writer.build());
        file.close();
        RecordingLauncher launcher;
        HelpWindow window(file.fileName(), launcher);
        QTreeWidget *tree = window.contents();
        QCOMPARE(tree->topLevelItemCount(), kMaxContentsEntries + 1);
        QVERIFY(tree->topLevelItem(kMaxContentsEntries)
                    ->text(0)
                    .contains(QString::number(kMaxContentsEntries)));
    }

    void slowReadingLeavesEventsGoingAndEndsWithTheProgram()
    {
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(10);
        QTimer::singleShot(300, [] { QCoreApplication::exit(0); }); // as Exit does
        bool gaveUp = false;
        // A file that never ends, read until the reader is told to give up.
        const auto archive = loadResponsively([&gaveUp](const std::atomic<bool> &cancel) {
            while (!cancel)
                QThread::msleep(1);
            gaveUp = true;
            return std::optional<ChmArchive>();
        });
        QVERIFY2(ticks > 5, "events must go on while the file is read");
        QVERIFY(gaveUp && !archive);
    }

    void escapeClosesTheWindow()
    {
        QTemporaryDir dir;
        RecordingLauncher launcher;
        auto *window = new HelpWindow(writeHelpFile(dir, QByteArray("<p>x</p>")), launcher);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::keyClick(window->browser(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible()); // closed, and kept to come back as it was
        delete window;
    }

    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QCoreApplication::setOrganizationName("Quorvel tests");
    }
    void init() { QSettings().clear(); }

    void contentsFollowThePage_data()
    {
        QTest::addColumn<QStringList>("steps"); // links followed, or back or forward
        QTest::addColumn<QString>("selected"); // empty: nothing
        QTest::newRow("the start page") << QStringList() << "First";
        QTest::newRow("a link with a #fragment") << QStringList { "b.html#part" } << kSecond;
        QTest::newRow("a page no entry names") << QStringList { "c.html" } << "";
        QTest::newRow("back") << QStringList { "b.html", "back" } << "First";
        QTest::newRow("forward") << QStringList { "b.html", "back", "forward" } << kSecond;
    }
    void contentsFollowThePage()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, selected);
        QTemporaryDir dir;
        RecordingLauncher launcher;
        HelpWindow window(writeBook(dir), launcher);
        ChmBrowser *page = window.browser();
        for (const QString &step : steps)
            step == u"back"          ? page->backward()
                : step == u"forward" ? page->forward()
                                     : page->followLink(QUrl(step));
        const QList<QTreeWidgetItem *> items = window.contents()->selectedItems();
        QCOMPARE(items.isEmpty() ? QString() : items.first()->text(0), selected);
    }

    void reopensAsItWasAndFitsItsContents_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("split"); // the contents' width, set by hand
        QTest::newRow("small, narrow contents") << QRect(40, 50, 500, 360) << 160;
        QTest::newRow("large, wide contents") << QRect(10, 20, 900, 640) << 320;
    }
    void reopensAsItWasAndFitsItsContents()
    {
        QFETCH(QRect, place);
        QFETCH(int, split);
        QTemporaryDir dir;
        const QString path = writeBook(dir);
        RecordingLauncher launcher;
        auto viewer = std::make_unique<ChmHelpViewer>(launcher);
        viewer->displayTopic(nullptr, path);
        QPointer<HelpWindow> window = viewer->window(path);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTreeWidget *tree = window->contents(); // the nested entry is the longest
        const QTreeWidgetItem *longest = tree->topLevelItem(0)->child(0);
        QVERIFY(tree->visualItemRect(longest).x() + tree->fontMetrics().horizontalAdvance(kSecond)
            <= tree->viewport()->width());
        window->browser()->followLink(QUrl("c.html"));
        window->setGeometry(place);
        window->splitter()->setSizes({ split, place.width() - split });
        QTest::keyClick(window->browser(), Qt::Key_Escape);
        QTRY_VERIFY(window && !window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        viewer->displayTopic(nullptr, path); // within the run: the same window
        QVERIFY(window && window->isVisible() && viewer->window(path) == window);
        QCOMPARE(window->browser()->source(), QUrl("chm:/c.html"));
        QCOMPARE(window->geometry(), place);
        viewer.reset(); // the next run: the settings bring back the size and the split
        HelpWindow next(path, launcher);
        QCOMPARE(next.size(), place.size());
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        QCOMPARE(next.splitter()->sizes().first(), split);
    }

    void codeAndPathsStayWhole_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("a path") << "/usr/share/hunspell";
        QTest::newRow("a command") << "sudo apt-get install hunspell-en-us";
    }
    void codeAndPathsStayWhole()
    {
        QFETCH(QString, code);
        const QString before = "Words before ", after = " and after.";
        QTemporaryDir dir;
        RecordingLauncher launcher;
        HelpWindow window(
            writeHelpFile(dir, ("<p>" + before + "<code>" + code + "</code>" + after).toUtf8()),
            launcher);
        ChmBrowser *page = window.browser();
        QTextCursor inCode(page->document());
        inCode.setPosition(int(before.size()) + 1);
        // Room for the code on a line of its own, not after the words before it.
        const int codeWidth = QFontMetrics(inCode.charFormat().font()).horizontalAdvance(code);
        page->setLineWrapMode(QTextEdit::FixedPixelWidth);
        page->setLineWrapColumnOrWidth(codeWidth + 20);
        page->document()->documentLayout()->documentSize(); // lays the page out
        const QTextBlock block = page->document()->firstBlock();
        const QTextLayout *layout = block.layout();
        QCOMPARE(layout->lineForTextPosition(int(before.size())).lineNumber(),
            layout->lineForTextPosition(int(block.text().indexOf(after)) - 1).lineNumber());
        page->selectAll();
        page->copy(); // as it was: a copied path must work when pasted
        QCOMPARE(QGuiApplication::clipboard()->text(), before + code + after);
    }

private:
    QTemporaryDir m_settings;
};

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
