// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the desktop shows it: on screens of any size, scale and
// DPI (CTest hands it the screens of tests/data/screens.json), its colours
// under any scheme, what a screen reader hears of it.
#include "mainwindow/ScreenPlace.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Rows.h"
#include "tests/support/WindowTexts.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>
#include <functional>

using Program = MainWindowFixture::Fixture;

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kLightYellow(255, 255, 128);
const QColor kCaptionRed(255, 0, 0);
const QColor kSelectionNavy(0, 0, 128);

// A dark desktop scheme, as qt6ct's "darker" or Breeze Dark give one.
QPalette darkScheme()
{
    const QColor face(50, 50, 50);
    QPalette dark(Qt::white, face, face.lighter(), face.darker(), face, Qt::white, Qt::white,
        QColor(30, 30, 30), QColor(40, 40, 40));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    return dark;
}

// Puts the desktop's scheme and font back after a test that changed them.
struct DesktopLook {
    QPalette palette = QApplication::palette();
    QFont font = QApplication::font();
    ~DesktopLook()
    {
        QApplication::setPalette(palette);
        QApplication::setFont(font);
    }
};

QScreen *screenNamed(const QString &name)
{
    const auto screens = QGuiApplication::screens();
    const auto found = std::find_if(screens.begin(), screens.end(),
        [&](const QScreen *screen) { return screen->name() == name; });
    return found == screens.end() ? nullptr : *found;
}

// Where a control stands in a grab of its window.
QRect inWindow(const QWidget *widget)
{
    return { widget->mapTo(widget->window(), QPoint()), widget->size() };
}

bool anyPixel(const QImage &shot, const QRect &area, const std::function<bool(QColor)> &test)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (test(shot.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

// Some of the area's pixels stand out from its background as text must.
bool readableOn(const QImage &shot, const QRect &area, const QColor &background)
{
    return anyPixel(shot, area, [&](const QColor &pixel) {
        return std::abs(pixel.lightness() - background.lightness()) > 128;
    });
}

struct ScreenRow {
    const char *name; // of a screen in tests/data/screens.json
    bool roomy; // its free area holds the window as designed
};
struct LookRow {
    const char *name;
    bool dark;
    qreal desktopPoints; // 0: the desktop font as it comes
};

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

private slots:
    void opensWholeInsideItsScreen_data()
    {
        addRows<ScreenRow>({ { "1280x800 at 1", true }, { "1280x800 at 1.5", true },
            { "1280x800 at 2", false }, { "1280x800 at 3", false }, { "1024x768 at 1", true },
            { "1024x768 at 1.5", true }, { "1024x768 at 2", false }, { "1024x768 at 3", false },
            { "1024x768 at 120 DPI", true }, { "1024x768 at 144 DPI", true } });
    }
    void opensWholeInsideItsScreen()
    {
        QFETCH(ScreenRow, row);
        QScreen *screen = screenNamed(row.name);
        QVERIFY2(screen, "CTest gives this test the screens of tests/data/screens.json");
        Program program(screen);
        QCOMPARE(program.window.screen(), screen);
        // The title bar, the menus and the frame all on the screen, centred.
        const QRect free = screen->availableGeometry();
        const QRect frame = program.window.frameGeometry();
        QVERIFY(frame != program.window.geometry()); // the platform draws a frame
        QVERIFY2(free.contains(frame),
            qPrintable(QStringLiteral("%1 x %2 at %3, %4")
                           .arg(frame.width())
                           .arg(frame.height())
                           .arg(frame.x())
                           .arg(frame.y())));
        QVERIFY((frame.center() - free.center()).manhattanLength() <= 2);
        // Where there is room, every control is in view; where there is
        // not, the window takes the room there is, but for what a frame
        // guessed before the platform tells it may leave, and what does not
        // fit can be scrolled to.
        const auto *scroller = program.window.findChild<QScrollArea *>();
        QWidget *client = scroller->widget();
        QVERIFY(client->rect().contains(client->childrenRect()));
        const QSize view = scroller->viewport()->size();
        QCOMPARE(view.width() >= client->width() && view.height() >= client->height(), row.roomy);
        QTRY_COMPARE(scroller->horizontalScrollBar()->maximum(),
            std::max(0, client->width() - view.width()));
        QTRY_COMPARE(scroller->verticalScrollBar()->maximum(),
            std::max(0, client->height() - view.height()));
        const QSize spare = free.size() - frame.size();
        if (!row.roomy)
            QVERIFY(std::min(spare.width(), spare.height()) < 8);
        // A scroll bar for one side only: the other side is as large as the
        // bar would cut it, where the screen has room for that.
        const int bar = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (scroller->verticalScrollBar()->isVisible() && spare.width() >= bar)
            QVERIFY(!scroller->horizontalScrollBar()->isVisible());
        if (scroller->horizontalScrollBar()->isVisible() && spare.height() >= bar)
            QVERIFY(!scroller->verticalScrollBar()->isVisible());
        checkControlsInsideTheirFrame(program.window);
        checkTextsWhole(program.window);
    }

    // Some window managers put the frame, not the window, where the window
    // asked to be, which leaves the bottom of a window as tall as the screen
    // below it: asked again, the window allows for it and ends on the screen.
    void placedAgainWhereTheFrameWasPutAsked_data()
    {
        addRows<QString>(
            "screen", { { "short screen", "1280x800 at 2" }, { "roomy screen", "1280x800 at 1" } });
    }
    void placedAgainWhereTheFrameWasPutAsked()
    {
        QFETCH(QString, screen);
        QScreen *display = screenNamed(screen);
        QVERIFY(display);
        QWidget window;
        window.setScreen(display);
        const QSize designed(844, 900);
        QRect asked = placeOnScreen(window, *display, designed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QMargins frame = window.windowHandle()->frameMargins();
        QVERIFY(!frame.isNull());
        bool settled = false;
        for (int tries = 0; tries < 3 && !settled; ++tries) {
            window.setGeometry(asked.translated(frame.left(), frame.top()));
            settled = placeAgainOnceFramed(window, designed, asked);
        }
        QVERIFY(settled);
        QVERIFY(display->availableGeometry().contains(window.frameGeometry()));
    }

    void coloursFixedReadableAndWhole_data()
    {
        addRows<LookRow>({ { "light scheme", false, 0 }, { "dark scheme", true, 0 },
            { "12 pt desktop font", false, 12 } });
    }
    void coloursFixedReadableAndWhole()
    {
        QFETCH(LookRow, row);
        DesktopLook restore;
        if (row.dark)
            QApplication::setPalette(darkScheme());
        QFont font = QApplication::font();
        if (row.desktopPoints > 0)
            font.setPointSizeF(row.desktopPoints);
        QApplication::setFont(font);
        Program program;
        program.input()->setText(QStringLiteral("abc"));
        program.input()->selectAll();
        const QImage shot = program.window.grab().toImage();
        // The design's yellows whatever the scheme: around the frame, and
        // in the letter box past its text.
        const QRect frame = inWindow(program.control("Frame1"));
        QCOMPARE(shot.pixelColor(frame.left() / 2, frame.bottom() + 4), kPaleYellow);
        const QRect input = inWindow(program.input());
        QCOMPARE(
            shot.pixelColor(input.right() - input.width() / 4, input.center().y()), kLightYellow);
        // The caption in red; the step texts dark on their yellow; the
        // selection in navy.
        QRect caption = frame;
        caption.setHeight(program.control("Frame1")->fontMetrics().height());
        QVERIFY(anyPixel(shot, caption, [](const QColor &pixel) { return pixel == kCaptionRed; }));
        for (const char *step : { "lblInput", "lblStep2", "lblSearching", "lblResults" })
            QVERIFY2(readableOn(shot, inWindow(program.control(step)), kPaleYellow), step);
        QVERIFY(anyPixel(shot, input, [](const QColor &pixel) { return pixel == kSelectionNavy; }));
        checkTextsWhole(program.window);
        // Fifteen letters, the caret after the last: the first is still in view.
        program.input()->setText(QStringLiteral("uncopyrightable"));
        program.input()->end(false);
        const QRect caret = program.input()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QCOMPARE(program.input()->cursorPositionAt(QPoint(2, caret.center().y())), 0);
        QVERIFY(caret.right() < program.input()->width());
        // The result line is read whole, wrapped, without scrolling, in a
        // colour that stands out from the box.
        program.typeAndEnter("cat");
        QVERIFY(!program.results()->toPlainText().isEmpty());
        QCOMPARE(program.results()->verticalScrollBar()->maximum(), 0);
        QVERIFY(readableOn(program.window.grab().toImage(), inWindow(program.results()->viewport()),
            kLightYellow));
    }

    void accessibleNamesAndDescriptions()
    {
        Program program;
        const auto heard = [](QWidget *widget, QAccessible::Text what) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            return iface ? iface->text(what) : QString();
        };
        const QRegularExpression control("^(cmd|txt|Picture|Progress|Frame)");
        int controls = 0;
        for (QWidget *widget : program.window.centralWidget()->findChildren<QWidget *>()) {
            if (!control.match(widget->objectName()).hasMatch())
                continue; // the labels, and a text box's own viewport and scroll bars
            ++controls;
            QVERIFY2(!heard(widget, QAccessible::Name).isEmpty()
                    && !heard(widget, QAccessible::Description).isEmpty(),
                qPrintable(widget->objectName()));
        }
        QCOMPARE(controls, 9);
        // The step texts label the controls of their steps.
        for (const char *name : { "txtInput", "cmdGo", "cmdCancel", "txtResults" }) {
            QAccessibleInterface *iface
                = QAccessible::queryAccessibleInterface(program.control(name));
            const auto labels = iface->relations(QAccessible::Label); // the frame is one too
            QVERIFY2(std::any_of(labels.begin(), labels.end(),
                         [](const auto &label) {
                             return label.first->role() == QAccessible::StaticText
                                 && label.first->text(QAccessible::Name).startsWith('(');
                         }),
                name);
        }
        QCOMPARE(
            heard(program.input(), QAccessible::Name), program.control<QLabel>("lblInput")->text());
        // The results box tells its result line when a run ends.
        program.typeAndEnter("cat");
        QCOMPARE(
            heard(program.results(), QAccessible::Description), program.results()->toPlainText());
    }
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
