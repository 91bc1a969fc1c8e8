// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window while its dictionary is made ready on the service's worker: an
// engine that is slow to refuse the dictionary (a helper that does not end)
// keeps neither the keys, the menus nor Exit waiting, and the program's end
// stops the helper instead of waiting it out.
#include "spelling/DictionaryService.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

using MainWindowFixture::QtPump;

namespace {

struct Program {
    TempFolder folder;
    FakeMessageBox box;
    FakeTerminator terminator;
    QtPump events;
    DictionaryService dictionaries;
    frmMain window;
    WordSearch search { window, { box, dictionaries, terminator, events, &dictionaries } };

    explicit Program(const QByteArray &helperBody)
        : dictionaries({ [] {
                            return std::vector<std::filesystem::path> { QUORVEL_TEST_DATA
                                "/dictionaries/good/xx_XX" };
                        },
            "xx_XX", helper(folder, helperBody), std::nullopt })
    {
        connectAnalysis(window, search, terminator);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    static std::filesystem::path helper(const TempFolder &folder, const QByteArray &body)
    {
        const QString path = folder.write(QStringLiteral("helper"), "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path.toStdString();
    }
};

} // namespace

class TestPreparing : public QObject {
    Q_OBJECT

private slots:
    void keysMenusAndExitDuringTheProbe()
    {
        Program program(QByteArrayLiteral("exec sleep 60"));
        QWidget *input = program.window.findChild<QWidget *>(QStringLiteral("txtInput"));
        QString focusAfterTab;
        bool busyShown = false;
        bool stillProbing = false;
        bool menuOpened = false;
        // While the run waits for the dictionary: Tab, the File menu, then File > Exit.
        QTimer::singleShot(100, &program.window, [&] {
            busyShown
                = program.window.findChild<QWidget *>(QStringLiteral("cmdCancel"))->isVisible();
            stillProbing = !program.dictionaries.ready();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            focusAfterTab = QApplication::focusWidget()->objectName();
            QTest::keyClick(&program.window, Qt::Key_F, Qt::AltModifier);
            menuOpened = qobject_cast<QMenu *>(QApplication::activePopupWidget()) != nullptr;
            if (QWidget *popup = QApplication::activePopupWidget())
                popup->close();
            program.window.findChild<QAction *>(QStringLiteral("mnu_exit"))->trigger();
        });
        input->setFocus();
        QTest::keyClicks(input, QStringLiteral("cat"));
        QTest::keyClick(input, Qt::Key_Return);
        QVERIFY(busyShown);
        QVERIFY(stillProbing);
        QCOMPARE(focusAfterTab, QStringLiteral("cmdGo"));
        QVERIFY(menuOpened);
        QVERIFY(program.terminator.isEnding());
        QVERIFY(program.box.shown().isEmpty());
        // The helper would sleep for a minute: the end stops it.
        QVERIFY(!program.dictionaries.ready());
        program.dictionaries.cancel();
        QVERIFY(program.dictionaries.finishedWithin(std::chrono::seconds(20)));
    }
};

QTEST_MAIN(TestPreparing)
#include "tst_preparing.moc"
