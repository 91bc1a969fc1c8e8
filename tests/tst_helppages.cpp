// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chmreader/ChmArchive.h"
#include "chmreader/ContentsParser.h"
#include "chmreader/HtmlTokenizer.h"
#include "chmreader/PageLimits.h"
#include "helpviewer/ChmViewer.h"
#include "helpviewer/ResponsiveLoad.h"
#include "tests/support/ChmWriter.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMap>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

using namespace Qt::StringLiterals;

struct PageRow {
    const char *name;
    QString page;
    int limit; // named on the error page; 0: the page is shown, with its word "inside"
};
struct CodeRow {
    const char *name;
    QString markup; // around the code, at %1
    QString code;
};
enum class Desktop { Light, Dark, TurnsDark }; // dark once the page is open
struct ColourRow {
    const char *name;
    Desktop desktop;
    QString style; // of the page's body
    QString html;
};
struct StepsRow {
    const char *name;
    QStringList steps; // links followed, or back or forward
    QString selected; // empty: nothing
};

const QString kEntry
    = "<li><object><param name=Name value=\"%1\"><param name=Local value=%2></object>";
const QString kSecond = QStringLiteral("Where the help file lives and how it is found");

// A help file with pages a, b and c, a.html its start page, and these contents:
// by default "First" (a.html) with a longer entry (b.html) inside, none naming c.html.
QByteArray book(const QString &contents
    = "<ul>" + kEntry.arg("First", "a.html") + "<ul>" + kEntry.arg(kSecond, "B.html#top"))
{
    ChmWriter writer({ { 2, "a.html" }, { 0, "toc.hhc" } });
    writer.addFile("/toc.hhc", contents.toUtf8());
    for (const QByteArray name : { "a", "b", "c" })
        writer.addFile("/" + name + ".html", "<p id=part>" + name);
    return writer.build();
}

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void pageLimits_data()
    {
        using L = PageLimits;
        const int kb = int(L::kMaxPageBytes / 1024);
        const QString tr = u"<table><tr>"_s, td = u"<td>"_s, nest = tr + td, div = u"<div>"_s,
                      br = u"<br>"_s;
        addRows<PageRow>({ { "16 MB of <p>x", u"<p>x"_s.repeated(4 * 1024 * 1024), kb },
            { "2,000 nested tables", nest.repeated(2000) + "x", L::kMaxTableNesting },
            { "a page just over the size limit", QString(L::kMaxPageBytes + 1, u'x'), kb },
            { "deeply nested blocks", div.repeated(L::kMaxNesting + 1), L::kMaxNesting },
            { "many elements", br.repeated(L::kMaxElements + 1), L::kMaxElements },
            { "many table cells", tr + td.repeated(L::kMaxTableCells + 1), L::kMaxTableCells },
            { "a page at the size limit", QString(L::kMaxPageBytes - 6, u'x') + "inside", 0 },
            { "tables nested to the limit", nest.repeated(L::kMaxTableNesting) + "inside", 0 },
            { "blocks nested to the limit", div.repeated(L::kMaxNesting) + "inside", 0 },
            { "elements to the limit", br.repeated(L::kMaxElements - 1) + "<b>inside</b>", 0 },
            { "cells to the limit", tr + td.repeated(L::kMaxTableCells - 1) + "<td>inside", 0 },
            // One after another, each closed: no deeper than one level, however many.
            { "closed tables do not add up",
                (nest + "a</td></tr></table>").repeated(L::kMaxNesting / 2 + 1) + "inside", 0 } });
    }
    void pageLimits()
    {
        QFETCH(PageRow, row);
        TempFolder dir;
        RecordingLauncher launcher;
        HelpWindow window(dir.write("help.chm", ChmWriter::onePage(row.page.toUtf8())), launcher);
        QVERIFY(window.isReadable());
        const QString shown = window.browser()->toPlainText();
        QCOMPARE(shown.contains(u"cannot be shown"), row.limit > 0);
        QVERIFY2(shown.contains(row.limit > 0 ? QString::number(row.limit) : u"inside"_s),
            qPrintable(shown.left(200)));
    }

    void contentsAreCappedWithANote()
    {
        TempFolder dir;
        RecordingLauncher launcher;
        const QString contents = kEntry.arg("x", "a.html").repeated(kMaxContentsEntries + 10);
        HelpWindow window(dir.write("long.chm", book("<ul>" + contents)), launcher);
        QTreeWidget *tree = window.contents();
        QCOMPARE(tree->topLevelItemCount(), kMaxContentsEntries + 1);
        const QString note = tree->topLevelItem(kMaxContentsEntries)->text(0);
        QVERIFY2(note.contains(QString::number(kMaxContentsEntries)), qPrintable(note));
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

    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        const int font = QFontDatabase::addApplicationFont(
            QUORVEL_TEST_DATA "/fonts/LiberationMono-Regular.ttf");
        m_fixedFamily = QFontDatabase::applicationFontFamilies(font).value(0);
        QVERIFY(QFontInfo(QFont(m_fixedFamily)).fixedPitch());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QCoreApplication::setOrganizationName("Quorvel tests");
    }
    void init() { QSettings().clear(); }

    void contentsFollowThePage_data()
    {
        addRows<StepsRow>({ { "the start page", {}, "First" },
            { "a link with a #fragment", { "b.html#part" }, kSecond },
            { "a page no entry names", { "c.html" }, "" },
            { "back", { "b.html", "back" }, "First" },
            { "forward", { "b.html", "back", "forward" }, kSecond } });
    }
    void contentsFollowThePage()
    {
        QFETCH(StepsRow, row);
        TempFolder dir;
        RecordingLauncher launcher;
        HelpWindow window(dir.write("book.chm", book()), launcher);
        ChmBrowser *page = window.browser();
        for (const QString &step : row.steps)
            step == u"back"          ? page->backward()
                : step == u"forward" ? page->forward()
                                     : page->followLink(QUrl(step));
        const QList<QTreeWidgetItem *> items = window.contents()->selectedItems();
        QCOMPARE(items.isEmpty() ? QString() : items.first()->text(0), row.selected);
    }

    void reopensAsItWasAndFitsItsContents_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("split"); // the contents' width, set by hand
        QTest::newRow("small, narrow contents") << QRect(40, 50, 500, 360) << 160;
        QTest::newRow("large, wide contents") << QRect(10, 20, 700, 600) << 320;
    }
    void reopensAsItWasAndFitsItsContents()
    {
        QFETCH(QRect, place);
        QFETCH(int, split);
        TempFolder dir;
        const QString path = dir.write("book.chm", book());
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
        // Narrower than the longest entry, which stays whole, to be scrolled to.
        QVERIFY(tree->visualItemRect(longest).width()
            >= tree->fontMetrics().horizontalAdvance(kSecond));
        QTest::keyClick(window->browser(), Qt::Key_Escape); // closes it, kept to come back
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

    // Opened from a window on each screen, with no place kept and with one
    // kept from a larger screen: on that screen, frame and all.
    void opensWithinTheScreen_data()
    {
        QTest::addColumn<QScreen *>("screen");
        QTest::addColumn<bool>("keptLarger");
        for (QScreen *screen : QGuiApplication::screens()) {
            for (const bool kept : { false, true })
                QTest::addRow("%s %dx%d, %s", qPrintable(screen->name()), screen->size().width(),
                    screen->size().height(), kept ? "kept larger" : "no place kept")
                    << screen << kept;
        }
    }
    void opensWithinTheScreen()
    {
        QFETCH(QScreen *, screen);
        QFETCH(bool, keptLarger);
        TempFolder dir;
        const QString path = dir.write("book.chm", book());
        RecordingLauncher launcher;
        if (keptLarger) {
            HelpWindow larger(path, launcher);
            larger.show();
            larger.setGeometry(screen->geometry().adjusted(-40, -40, 400, 300));
        } // saved as it closes
        QWidget caller;
        caller.setScreen(screen);
        caller.move(screen->availableGeometry().topLeft());
        caller.show();
        ChmHelpViewer viewer(launcher);
        viewer.displayTopic(&caller, path);
        HelpWindow *window = viewer.window(path);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->screen(), screen);
        QVERIFY(screen->availableGeometry().contains(window->frameGeometry()));
        const QList<int> split = window->splitter()->sizes(); // the page keeps the most room
        QVERIFY(split.at(1) >= split.at(0));
    }

    // A dark desktop scheme and a page with a light background of its own,
    // a light scheme and a dark page, a page in the desktop's colours: the
    // bullets and the links Qt draws in the desktop's colours stand out.
    void bulletsAndLinksStandOut_data()
    {
        // Text in the page's own colour: only what Qt colours can stand out.
        const QString light = "background: #fffff0; color: #fffff0", bullet = "<ul><li>x</ul>";
        using enum Desktop;
        addRows<ColourRow>(
            { { "a bullet on a light page, desktop turning dark", TurnsDark, light, bullet },
                { "a link on a light page, dark desktop", Dark, light, "<a href=b.html>link</a>" },
                { "a bullet on a dark page, light desktop", Light,
                    "background: #202020; color: #202020", bullet },
                { "a bullet in the desktop's colours", Dark, "", bullet } });
    }
    void bulletsAndLinksStandOut()
    {
        QFETCH(ColourRow, row);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        QPalette desktop = before; // the colours of a dark scheme, or of a light one
        for (const auto &[role, dark, light] : { std::tuple(QPalette::Base, 0x3d3d3d, 0xffffff),
                 std::tuple(QPalette::Text, 0xffffff, 0x000000),
                 std::tuple(QPalette::Link, 0x8ab4f8, 0x0000ee) })
            desktop.setColor(role, QColor::fromRgb(row.desktop != Desktop::Light ? dark : light));
        if (row.desktop != Desktop::TurnsDark)
            QApplication::setPalette(desktop);
        TempFolder dir;
        RecordingLauncher launcher;
        const QString html = "<body style='" + row.style + "'>" + row.html;
        HelpWindow window(dir.write("page.chm", ChmWriter::onePage(html.toUtf8())), launcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setPalette(desktop); // reaches the window's widgets with the events
        QTRY_COMPARE(
            window.browser()->palette().color(QPalette::Base), desktop.color(QPalette::Base));
        const QImage shown = window.browser()->viewport()->grab().toImage();
        const QColor page = shown.pixelColor(1, 1); // in the page's margin
        if (row.style.isEmpty())
            QCOMPARE(page, desktop.color(QPalette::Base));
        float farthest = 0; // in lightness from the page
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x)
                farthest = std::max(
                    farthest, std::abs(shown.pixelColor(x, y).lightnessF() - page.lightnessF()));
        }
        QVERIFY2(farthest >= 0.4f, qPrintable(QString::number(farthest)));
    }

    // Code in the generic fixed-pitch family, which fontconfig may resolve to
    // a font it does not call fixed-pitch, and in a fixed-pitch font the page
    // names, as the help's style sheet does; that font comes with the test.
    void codeAndPathsStayWhole_data()
    {
        addRows<CodeRow>({ { "a path in <code>", "<code>%1</code>", "/usr/share/hunspell" },
            { "a command in a font of the page's choosing",
                "<span style=\"font-family: '" + m_fixedFamily + "'\">%1</span>",
                "sudo apt-get install hunspell-en-us" } });
    }
    void codeAndPathsStayWhole()
    {
        QFETCH(CodeRow, row);
        const QString &code = row.code;
        const QString before = "Words before ", after = " and after.";
        TempFolder dir;
        RecordingLauncher launcher;
        const QString html = "<p>" + before + row.markup.arg(code) + after;
        HelpWindow window(dir.write("help.chm", ChmWriter::onePage(html.toUtf8())), launcher);
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
    QString m_fixedFamily;
};

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
