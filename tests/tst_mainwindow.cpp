#include "artwork/Twips.h"
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/ProgressDisplay.h"
#include "mainwindow/frmMain.h"
#include "platform/EventPump.h"
#include "search/WordSearch.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/FakeTerminator.h"
#include "tests/support/ScriptedChecker.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>

namespace {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &color) {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
            + 0.0722 * channel(color.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop scheme, as qt6ct's "darker" or Breeze Dark give one.
QPalette darkScheme()
{
    QPalette dark;
    for (const auto &[role, color] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>> {
             { QPalette::Window, QColor(40, 40, 40) }, { QPalette::WindowText, Qt::white },
             { QPalette::Base, QColor(30, 30, 30) }, { QPalette::Text, Qt::white },
             { QPalette::Button, QColor(50, 50, 50) }, { QPalette::ButtonText, Qt::white },
             { QPalette::Highlight, QColor(61, 174, 233) },
             { QPalette::HighlightedText, Qt::black } })
        dark.setColor(role, color);
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

void sendKey(QWidget *target, QEvent::Type type, Qt::Key key, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

// Enter held down: the first press, the repeats the keyboard sends, the release.
void holdEnter(QWidget *target, int repeats)
{
    sendKey(target, QEvent::KeyPress, Qt::Key_Return);
    for (int i = 0; i < repeats; ++i) {
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return, true);
        sendKey(target, QEvent::KeyPress, Qt::Key_Return, true);
    }
    sendKey(target, QEvent::KeyRelease, Qt::Key_Return);
}

class QtPump final : public EventPump {
public:
    void processPendingEvents() override { QCoreApplication::processEvents(); }
};

struct Fixture {
    FakeMessageBox box;
    ScriptedCheckerFactory checkers;
    FakeTerminator terminator;
    QtPump events;
    frmMain window;
    WordSearch search { window, { box, checkers, terminator, events },
        { std::chrono::nanoseconds(0) } };

    Fixture()
    {
        connectAnalysis(window, search, terminator);
        checkers.script->accepted = { "cat", "act", "tac" };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    template<typename T = QWidget> T *control(const char *name) const
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    QLineEdit *input() const { return control<QLineEdit>("txtInput"); }
    QPlainTextEdit *results() const { return control<QPlainTextEdit>("txtResults"); }
    int runs() const { return static_cast<int>(checkers.attempts.size()); }
    // Runs action between two arrangements of the run, as a real click comes.
    void duringRun(int arrangement, std::function<void()> action)
    {
        checkers.script->onAsk = [this, arrangement, action](const QString &) {
            if (checkers.script->asked.size() == arrangement)
                QMetaObject::invokeMethod(&window, action, Qt::QueuedConnection);
        };
    }
    QColor resultsColor() const { return results()->palette().color(QPalette::Text); }

    void typeAndEnter(const QString &letters)
    {
        input()->setFocus();
        input()->clear();
        QTest::keyClicks(input(), letters);
        QTest::keyClick(input(), Qt::Key_Return);
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void idleState()
    {
        Fixture fx;
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
        QVERIFY(fx.control("ProgressBar1")->isVisible());
        QCOMPARE(QApplication::focusWidget(), fx.input());
        QVERIFY(fx.results()->isReadOnly());
        QVERIFY(!fx.control<QPushButton>("cmdGo")->autoDefault());
    }

    void centredAndPainted_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light scheme") << false;
        QTest::newRow("dark scheme") << true;
    }
    void centredAndPainted()
    {
        QFETCH(bool, dark);
        DesktopLook restore;
        if (dark)
            QApplication::setPalette(darkScheme());
        Fixture fx;
        const QPoint offCentre
            = fx.window.frameGeometry().center() - fx.window.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, qPrintable(QString::number(offCentre.x())));
        // Between the frame and the lower buttons only the window's own
        // background shows; it is the design's yellow, whatever the scheme.
        QWidget *client = fx.window.centralWidget();
        const QImage shot = client->grab().toImage();
        const QRect frame = fx.control("Frame1")->geometry();
        const QColor background = shot.pixelColor(frame.left() / 2, frame.bottom() + 4);
        QCOMPARE(background, QColor(255, 255, 192));
    }

    void fixedBackgroundsKeepTheirTextReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light scheme") << false;
        QTest::newRow("dark scheme") << true;
    }
    void fixedBackgroundsKeepTheirTextReadable()
    {
        QFETCH(bool, dark);
        DesktopLook restore;
        if (dark)
            QApplication::setPalette(darkScheme());
        Fixture fx;
        const QPalette desktop = QApplication::palette();
        int fixed = 0;
        for (QWidget *widget : fx.window.findChildren<QWidget *>()) {
            const QPalette palette = widget->palette();
            const auto check = [&](QPalette::ColorRole back, QPalette::ColorRole fore) {
                if (palette.color(back) == desktop.color(back))
                    return; // follows the desktop, with the desktop's own text colour
                ++fixed;
                QVERIFY2(contrast(palette.color(back), palette.color(fore)) >= 4.5,
                    qPrintable(widget->objectName()));
            };
            if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
                check(QPalette::Window, QPalette::WindowText);
            if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)) {
                check(QPalette::Base, QPalette::Text); // the text and its caret
                check(QPalette::Highlight, QPalette::HighlightedText); // a selection
            }
            if (qobject_cast<QPushButton *>(widget)) {
                QCOMPARE(palette.color(QPalette::Button), desktop.color(QPalette::Button));
                QCOMPARE(palette.color(QPalette::ButtonText), desktop.color(QPalette::ButtonText));
            }
        }
        QVERIFY(fixed >= 4); // the step labels at least
    }

    void nothingClipped_data()
    {
        QTest::addColumn<qreal>("desktopPoints");
        QTest::newRow("desktop font as it comes") << 0.0;
        QTest::newRow("12 pt desktop font") << 12.0;
    }
    void nothingClipped()
    {
        QFETCH(qreal, desktopPoints);
        DesktopLook restore;
        if (desktopPoints > 0) {
            QFont font = QApplication::font();
            font.setPointSizeF(desktopPoints);
            QApplication::setFont(font);
        }
        Fixture fx;
        for (QLabel *label : fx.window.findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width()
                    && metrics.height() <= label->contentsRect().height(),
                qPrintable(label->objectName()));
        }
        for (QPushButton *button : fx.window.findChildren<QPushButton *>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect contents
                = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QFontMetrics metrics(button->font());
            QVERIFY2(metrics.horizontalAdvance(button->text()) <= contents.width()
                    && metrics.height() <= contents.height(),
                qPrintable(button->objectName()));
        }
        const auto *frame = fx.control<QGroupBox>("Frame1");
        QVERIFY(QFontMetrics(frame->font()).horizontalAdvance(frame->title()) < frame->width() / 2);
        // Fifteen letters, the caret after the last: the first is still in view.
        const QString fifteen = QStringLiteral("uncopyrightable");
        fx.input()->setText(fifteen);
        fx.input()->end(false);
        const QRect caret = fx.input()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QCOMPARE(fx.input()->cursorPositionAt(QPoint(2, caret.center().y())), 0);
        QVERIFY(caret.right() < fx.input()->width());
        // The result line is read whole, wrapped, without scrolling.
        fx.typeAndEnter("cat");
        QVERIFY(!fx.results()->toPlainText().isEmpty());
        QCOMPARE(fx.results()->verticalScrollBar()->maximum(), 0);
    }

    void twipsFollowTheScreenDpi_data()
    {
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96: 15 twips a pixel") << 96.0 << 6330 << 422;
        QTest::newRow("120: the window 1.25 times as wide") << 120.0 << 6330 << 528;
        QTest::newRow("144: 10 twips a pixel") << 144.0 << 930 << 93;
        QTest::newRow("an inch is the DPI") << 144.0 << 1440 << 144;
    }
    void twipsFollowTheScreenDpi()
    {
        QFETCH(qreal, dpi);
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(pixelsFromTwips(twips, dpi), pixels);
        QCOMPARE(fromTwips(twips, 0, twips, 15, dpi).width(), pixels);
    }

    void tabOrder_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Tab") << Qt::Key_Tab
                             << QStringList { "cmdGo", "cmdHelp", "cmdExit", "txtResults",
                                    "Picture1", "txtInput" };
        QTest::newRow("Shift+Tab")
            << Qt::Key_Backtab
            << QStringList { "Picture1", "txtResults", "cmdExit", "cmdHelp", "cmdGo", "txtInput" };
    }
    void tabOrder()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QStringList, order);
        Fixture fx;
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            seen.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(seen, order); // the hidden cmdCancel is passed by
    }

    void analysisThroughTheWindow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QColor>("color");
        QTest::newRow("words found") << "cat"
                                     << "Done - Found 3 words: cat, act, tac" << QColor(0, 50, 0);
        QTest::newRow("no words") << "xyz"
                                  << "Done - No words found" << QColor(50, 0, 0);
    }
    void analysisThroughTheWindow()
    {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QFETCH(QColor, color);
        Fixture fx;
        bool cancelShownDuringRun = false;
        fx.checkers.script->onAsk
            = [&](const QString &) { cancelShownDuringRun = fx.control("cmdCancel")->isVisible(); };
        fx.typeAndEnter(typed);
        QCOMPARE(fx.results()->toPlainText(), result);
        QCOMPARE(fx.resultsColor(), color);
        QVERIFY(cancelShownDuringRun);
        QVERIFY(!fx.control("cmdCancel")->isVisible());
    }

    void focusBackInTheLetterBox_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("run finished") << false;
        QTest::newRow("run cancelled from the keyboard") << true;
    }
    void focusBackInTheLetterBox()
    {
        QFETCH(bool, cancel);
        Fixture fx;
        if (cancel)
            fx.duringRun(20, [&] {
                auto *button = fx.control<QPushButton>("cmdCancel");
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
            });
        // Started from the keyboard on Analyze, where the focus then stays.
        fx.input()->setText("abcde");
        fx.control("cmdGo")->setFocus();
        QTest::keyClick(fx.control("cmdGo"), Qt::Key_Space);
        QCOMPARE(fx.runs(), 1);
        QCOMPARE(fx.results()->toPlainText().isEmpty(), cancel);
        QCOMPARE(QApplication::focusWidget(), fx.input());
        QTest::keyClicks(QApplication::focusWidget(), "x");
        QCOMPARE(fx.input()->text(), QStringLiteral("abcdex"));
    }

    void whichKeysStartARequest_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("starts");
        QTest::newRow("Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Shift+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("a letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << false;
    }
    void whichKeysStartARequest()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, starts);
        Fixture fx;
        fx.input()->setText("cat");
        QTest::keyPress(fx.input(), Qt::Key(key), modifiers);
        QVERIFY(fx.checkers.attempts.isEmpty()); // not on the press
        QTest::keyRelease(fx.input(), Qt::Key(key), modifiers);
        QCOMPARE(!fx.checkers.attempts.isEmpty(), starts);
    }

    void enterWithoutItsPressStartsNothing_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
    }
    void enterWithoutItsPressStartsNothing()
    {
        QFETCH(Qt::Key, key);
        Fixture fx;
        // "c at" is refused; the Enter that dismisses the box is pressed
        // there, and only its release reaches the letter box.
        fx.box.onShow = [&](const MessageRequest &) {
            fx.box.onShow = nullptr;
            sendKey(fx.input(), QEvent::KeyRelease, key);
        };
        fx.input()->setText("c at");
        sendKey(fx.input(), QEvent::KeyPress, key);
        sendKey(fx.input(), QEvent::KeyRelease, key);
        QCOMPARE(fx.box.shown().size(), 1);
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Analyze") << "cmdGo" << Qt::Key_Return;
        QTest::newRow("Analyze, keypad") << "cmdGo" << Qt::Key_Enter;
        QTest::newRow("Help") << "cmdHelp" << Qt::Key_Return;
        QTest::newRow("Exit") << "cmdExit" << Qt::Key_Return;
        QTest::newRow("cancel analysis") << "cmdCancel" << Qt::Key_Return;
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, name);
        QFETCH(Qt::Key, key);
        Fixture fx;
        QSignalSpy help(&fx.window, &frmMain::helpRequested);
        auto *button = fx.control<QPushButton>(name.toLatin1());
        const auto press = [&] {
            button->setFocus();
            QTest::keyPress(button, key);
            QVERIFY(button->isDown());
            QTest::keyRelease(button, key);
        };
        fx.input()->setText("abcde");
        if (name == "cmdCancel")
            fx.duringRun(20, press);
        else
            press();
        if (name == "cmdGo")
            QCOMPARE(fx.runs(), 1);
        if (name == "cmdHelp")
            QCOMPARE(help.count(), 1);
        if (name == "cmdExit")
            QCOMPARE(fx.terminator.endCount(), 1);
        if (name == "cmdCancel") {
            QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton);
            QCOMPARE(fx.checkers.script->asked.size(), 21);
        }
    }

    void heldEnterStartsOneAnalysis_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("in the letter box") << "txtInput";
        QTest::newRow("on Analyze") << "cmdGo";
    }
    void heldEnterStartsOneAnalysis()
    {
        QFETCH(QString, name);
        Fixture fx;
        fx.input()->setText("cat");
        QWidget *target = fx.control(name.toLatin1());
        target->setFocus();
        sendKey(target, QEvent::KeyPress, Qt::Key_Return);
        for (int i = 0; i < 5; ++i) {
            sendKey(target, QEvent::KeyRelease, Qt::Key_Return, true);
            sendKey(target, QEvent::KeyPress, Qt::Key_Return, true);
        }
        QCOMPARE(fx.runs(), 0); // nothing while it is held
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return);
        QCOMPARE(fx.runs(), 1);
        // Repeats alone, with no press of their own, start nothing either.
        holdEnter(target, 0);
        QCOMPARE(fx.runs(), 2);
        sendKey(target, QEvent::KeyPress, Qt::Key_Return, true);
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return, true);
        QCOMPARE(fx.runs(), 2);
    }

    void refusalKeepsThePreviousResult()
    {
        Fixture fx;
        fx.typeAndEnter("cat");
        fx.typeAndEnter("c at");
        QCOMPARE(fx.box.shown().size(), 1);
        QCOMPARE(
            fx.results()->toPlainText(), QStringLiteral("Done - Found 3 words: cat, act, tac"));
    }

    void confirmationAnsweredNo_data()
    {
        QTest::addColumn<bool>("duringRun");
        QTest::newRow("after a run") << false;
        QTest::newRow("during a run") << true;
    }
    void confirmationAnsweredNo()
    {
        QFETCH(bool, duringRun);
        Fixture fx;
        const auto askAgain = [&] {
            fx.input()->setText("abcdefghi");
            fx.box.queueAnswer(MessageAnswer::No);
            QTest::mouseClick(fx.control("cmdGo"), Qt::LeftButton);
            QCOMPARE(fx.box.shown().size(), 1);
            QCOMPARE(fx.box.shown().first().buttons, MessageButtons::YesNo);
            // No leaves the running analysis going, untouched.
            QCOMPARE(fx.control("cmdCancel")->isVisible(), duringRun);
        };
        if (duringRun)
            fx.duringRun(20, askAgain);
        fx.typeAndEnter("abcde");
        if (!duringRun)
            askAgain();
        // Every arrangement of the first run, after the checker's own test word.
        QCOMPARE(fx.checkers.script->asked.size(), 1 + 120);
        QCOMPARE(fx.runs(), 1);
        QCOMPARE(fx.results()->toPlainText(), QStringLiteral("Done - No words found"));
        QVERIFY(!fx.control("cmdCancel")->isVisible());
    }

    void cancelMidRun()
    {
        Fixture fx;
        fx.duringRun(20, [&] { QTest::mouseClick(fx.control("cmdCancel"), Qt::LeftButton); });
        fx.typeAndEnter("abcde");
        QCOMPARE(fx.checkers.script->asked.size(), 21);
        QCOMPARE(fx.results()->toPlainText(), QString());
        QCOMPARE(fx.control<ProgressDisplay>("ProgressBar1")->value(), 0.0f);
        QVERIFY(!fx.control("cmdCancel")->isVisible());
        QVERIFY(fx.control("lblSearching")->isVisible());
    }

    void exitMidRun_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Exit button") << "cmdExit";
        QTest::newRow("File > Exit") << "mnu_exit";
        QTest::newRow("close box") << "close";
    }
    void exitMidRun()
    {
        QFETCH(QString, how);
        Fixture fx;
        fx.checkers.script->onAsk = [&](const QString &) {
            if (fx.checkers.script->asked.size() != 20)
                return;
            QMetaObject::invokeMethod(
                &fx.window,
                [&] {
                    if (how == "cmdExit")
                        QTest::mouseClick(fx.control("cmdExit"), Qt::LeftButton);
                    else if (how == "mnu_exit")
                        fx.window.findChild<QAction *>("mnu_exit")->trigger();
                    else
                        fx.window.close();
                },
                Qt::QueuedConnection);
        };
        fx.typeAndEnter("abcde");
        QCOMPARE(fx.terminator.endCount(), 1);
        QCOMPARE(fx.checkers.script->asked.size(), 20);
        QCOMPARE(fx.results()->toPlainText(), QString());
        QCOMPARE(fx.checkers.script->alive, 0);
    }

    void exitWhenIdleEndsTheProgram()
    {
        Fixture fx;
        QTest::mouseClick(fx.control("cmdExit"), Qt::LeftButton);
        QCOMPARE(fx.terminator.endCount(), 1);
    }

    void helpButtonOpensTheHelp()
    {
        Fixture fx;
        QSignalSpy help(&fx.window, &frmMain::helpRequested);
        QTest::mouseClick(fx.control("cmdHelp"), Qt::LeftButton);
        QCOMPARE(help.count(), 1);
        fx.window.findChild<QAction *>("mnu_qvhelp")->trigger();
        QCOMPARE(help.count(), 2);
    }

    void resizingMovesNothingButTheBanner()
    {
        Fixture fx;
        const auto controls = [&fx] {
            QList<QWidget *> found = fx.window.centralWidget()->findChildren<QWidget *>(
                QString(), Qt::FindDirectChildrenOnly);
            found += fx.control("Frame1")->findChildren<QWidget *>(
                QString(), Qt::FindDirectChildrenOnly);
            return found;
        };
        QMap<QString, QRect> before;
        for (QWidget *widget : controls())
            before.insert(widget->objectName(), widget->geometry());
        const QSize banner = fx.control("Picture1")->size();
        fx.window.resize(fx.window.width() + 200, fx.window.height() + 150);
        QTRY_COMPARE(fx.control("Picture1")->width(), banner.width() + 200);
        QCOMPARE(fx.control("Picture1")->height(), banner.height());
        for (QWidget *widget : controls()) {
            if (widget->objectName() != "Picture1")
                QCOMPARE(widget->geometry(), before.value(widget->objectName()));
        }
    }

    void accessibleNamesAndDescriptions()
    {
        Fixture fx;
        QStringList focusable;
        for (QWidget *widget : fx.window.centralWidget()->findChildren<QWidget *>()) {
            if (widget->focusPolicy() == Qt::NoFocus && !qobject_cast<QProgressBar *>(widget)
                && !qobject_cast<QGroupBox *>(widget))
                continue;
            if (!widget->objectName().startsWith("cmd") && !widget->objectName().startsWith("txt")
                && !widget->objectName().startsWith("Picture")
                && !widget->objectName().startsWith("Progress")
                && !widget->objectName().startsWith("Frame"))
                continue; // a text box's own viewport and scroll bars
            focusable.append(widget->objectName());
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(),
                qPrintable(widget->objectName()));
            QVERIFY2(
                !iface->text(QAccessible::Description).isEmpty(), qPrintable(widget->objectName()));
        }
        QCOMPARE(focusable.size(), 9);
        // The step texts label the controls of their steps.
        for (const char *name : { "txtInput", "cmdGo", "cmdCancel", "txtResults" }) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(fx.control(name));
            const auto labels = iface->relations(QAccessible::Label); // the frame is one too
            QVERIFY2(std::any_of(labels.begin(), labels.end(),
                         [](const auto &label) {
                             return label.first->role() == QAccessible::StaticText
                                 && label.first->text(QAccessible::Name).startsWith('(');
                         }),
                name);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(fx.input())->text(QAccessible::Name),
            fx.control<QLabel>("lblInput")->text());
        // The results box tells its result line when a run ends.
        fx.typeAndEnter("cat");
        QCOMPARE(
            QAccessible::queryAccessibleInterface(fx.results())->text(QAccessible::Description),
            fx.results()->toPlainText());
    }

    void progressTellsHowFarTheRunIs()
    {
        ProgressDisplay bar;
        bar.setRange(0, 3628799.0f);
        bar.setValue(1234566.0f);
        QCOMPARE(bar.runText(), QStringLiteral("1,234,567 of 3,628,800"));
        QCOMPARE(bar.toolTip(), bar.runText());
        QCOMPARE(bar.accessibleDescription(), bar.runText());
        // Float counts: 11! - 1 rounds to 11!, and the total stays 11!.
        bar.setRange(0, 39916799.0f);
        bar.setValue(39916799.0f);
        QCOMPARE(bar.runText(), QStringLiteral("39,916,800 of 39,916,800"));
        bar.setRange(0, 999.0f);
        bar.setValue(0);
        QTest::qSleep(1100);
        bar.setValue(99.0f); // a tenth done after a second: about ten more
        QVERIFY2(bar.runText().startsWith(QStringLiteral("100 of 1,000, about 1")),
            qPrintable(bar.runText()));
        QVERIFY(bar.toolTip().contains("left"));
        bar.endRun();
        QVERIFY(bar.toolTip().isEmpty());
    }

    void progressDisplayTouchesTheBarOnlyWhenItMoves()
    {
        ProgressDisplay bar;
        QSignalSpy changes(&bar, &QProgressBar::valueChanged);
        bar.setRange(0, 3628799.0f);
        for (int counter = 0; counter < 3628800; ++counter)
            bar.setValue(static_cast<float>(counter));
        QVERIFY(changes.count() <= 10000);
        QCOMPARE(bar.QProgressBar::value(), bar.maximum());
        bar.setValue(0);
        QCOMPARE(bar.QProgressBar::value(), 0);
    }

    void progressDisplayOddRanges_data()
    {
        QTest::addColumn<float>("maximum");
        QTest::addColumn<float>("value");
        QTest::addColumn<bool>("full");
        QTest::newRow("one letter: 0 to 0, done") << 0.0f << 0.0f << true;
        QTest::newRow("past float: never full")
            << std::numeric_limits<float>::infinity() << 1e30f << false;
    }
    void progressDisplayOddRanges()
    {
        QFETCH(float, maximum);
        QFETCH(float, value);
        QFETCH(bool, full);
        ProgressDisplay bar;
        bar.setRange(0, maximum);
        bar.setValue(value);
        QCOMPARE(bar.QProgressBar::value() == bar.maximum(), full);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
