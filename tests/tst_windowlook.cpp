// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the desktop shows it: its colours under any scheme,
// its size at any DPI, what a screen reader hears of it.
#include "artwork/Twips.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/Rows.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
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

// The text stands whole, on one line, inside the box.
bool fits(const QWidget *widget, const QString &text, const QRect &box)
{
    const QFontMetrics metrics(widget->font());
    return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

// What a screen reader hears of a widget.
QString heard(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(what) : QString();
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

struct LookRow {
    const char *name;
    bool dark;
    qreal desktopPoints; // 0: the desktop font as it comes
};

} // namespace

class TestWindowLook : public QObject {
    Q_OBJECT

private slots:
    void centredPaintedReadableAndWhole_data()
    {
        addRows<LookRow>({ { "light scheme", false, 0 }, { "dark scheme", true, 0 },
            { "12 pt desktop font", false, 12 } });
    }
    void centredPaintedReadableAndWhole()
    {
        QFETCH(LookRow, row);
        DesktopLook restore;
        if (row.dark)
            QApplication::setPalette(darkScheme());
        QFont font = QApplication::font();
        if (row.desktopPoints > 0)
            font.setPointSizeF(row.desktopPoints);
        QApplication::setFont(font);
        Fixture fx;
        const QPoint offCentre
            = fx.window.frameGeometry().center() - fx.window.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4);
        // Between the frame and the lower buttons only the window's own
        // background shows; it is the design's yellow, whatever the scheme.
        const QImage shot = fx.window.grab().toImage();
        const QRect frame
            = fx.control("Frame1")->geometry().translated(fx.window.centralWidget()->pos());
        QCOMPARE(shot.pixelColor(frame.left() / 2, frame.bottom() + 4), QColor(255, 255, 192));
        // What has a background of its own keeps its text readable on it;
        // no text is cut.
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
            if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
                check(QPalette::Window, QPalette::WindowText);
                QVERIFY2(fits(label, label->text(), label->contentsRect()),
                    qPrintable(label->objectName()));
            }
            if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)) {
                check(QPalette::Base, QPalette::Text); // the text and its caret
                check(QPalette::Highlight, QPalette::HighlightedText); // a selection
            }
            if (auto *button = qobject_cast<QPushButton *>(widget)) {
                QCOMPARE(palette.color(QPalette::Button), desktop.color(QPalette::Button));
                QCOMPARE(palette.color(QPalette::ButtonText), desktop.color(QPalette::ButtonText));
                QStyleOptionButton option;
                option.initFrom(button);
                QVERIFY2(fits(button, button->text(),
                             button->style()->subElementRect(
                                 QStyle::SE_PushButtonContents, &option, button)),
                    qPrintable(button->objectName()));
            }
        }
        QVERIFY(fixed >= 4); // the step labels at least
        const auto *group = fx.control<QGroupBox>("Frame1");
        QVERIFY(QFontMetrics(group->font()).horizontalAdvance(group->title()) < group->width() / 2);
        // Fifteen letters, the caret after the last: the first is still in view.
        fx.input()->setText(QStringLiteral("uncopyrightable"));
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
        const QRegularExpression control("^(cmd|txt|Picture|Progress|Frame)");
        int controls = 0;
        for (QWidget *widget : fx.window.centralWidget()->findChildren<QWidget *>()) {
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
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(fx.control(name));
            const auto labels = iface->relations(QAccessible::Label); // the frame is one too
            QVERIFY2(std::any_of(labels.begin(), labels.end(),
                         [](const auto &label) {
                             return label.first->role() == QAccessible::StaticText
                                 && label.first->text(QAccessible::Name).startsWith('(');
                         }),
                name);
        }
        QCOMPARE(heard(fx.input(), QAccessible::Name), fx.control<QLabel>("lblInput")->text());
        // The results box tells its result line when a run ends.
        fx.typeAndEnter("cat");
        QCOMPARE(heard(fx.results(), QAccessible::Description), fx.results()->toPlainText());
    }
};

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
