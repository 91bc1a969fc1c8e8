// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the desktop shows it: its colours under any scheme,
// its size at any DPI, what a screen reader hears of it.
#include "artwork/Twips.h"
#include "mainwindow/ProgressDisplay.h"
#include "tests/support/MainWindowFixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

using MainWindowFixture::Fixture;

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

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void centredPaintedAndReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light scheme") << false;
        QTest::newRow("dark scheme") << true;
    }
    void centredPaintedAndReadable()
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
        // What has a background of its own keeps its text readable on it.
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
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
