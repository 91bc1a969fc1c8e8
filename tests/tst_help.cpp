// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LocalFileSystem.h"
#include "desktop/QtOpenFileDialog.h"
#include "helpviewer/ChmViewer.h"
#include "mainwindow/HelpCommand.h"
#include "platform/HelpViewer.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kHelpChm = QStringLiteral(QUORVEL_HELP_CHM);

class ScriptedOpenDialog final : public OpenFileDialog {
public:
    OpenFileResult showOpen(QWidget *, const QString &filter) override
    {
        filters.append(filter);
        return result;
    }
    OpenFileResult result;
    QStringList filters;
};

class RecordingViewer final : public HelpViewer {
public:
    void displayTopic(QWidget *, const QString &helpFile) override { shown.append(helpFile); }
    QStringList shown;
};

struct Fixture {
    QString HelpFile = QStringLiteral("/help/qv.chm");
    FakeFileSystem files;
    FakeMessageBox box;
    ScriptedOpenDialog dialog;
    RecordingViewer viewer;
    HelpCommand command { HelpFile, { files, box, dialog, viewer } };
};

using Status = OpenFileResult::Status;

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void helpCommand_data()
    {
        QTest::addColumn<QString>("HelpFile");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<int>("firstAnswer"); // MessageAnswer of the first message
        QTest::addColumn<int>("dialogStatus");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("messages"); // titles, in order
        QTest::addColumn<QStringList>("viewed");
        QTest::addColumn<QString>("HelpFileAfter");
        const QString notFound = QStringLiteral("Help file (qv.chm) not found:");
        const int ok = int(MessageAnswer::Ok), cancel = int(MessageAnswer::Cancel);
        const int accepted = int(Status::Accepted), cancelled = int(Status::Cancelled),
                  failed = int(Status::Failed);
        QTest::newRow("found at once")
            << "/help/qv.chm" << QStringList { "/help/qv.chm" } << ok << accepted << ""
            << QStringList() << QStringList { "/help/qv.chm" } << "/help/qv.chm";
        QTest::newRow("missing, then Cancel")
            << "/help/qv.chm" << QStringList() << cancel << accepted << "/x.chm"
            << QStringList { notFound } << QStringList() << "/help/qv.chm";
        QTest::newRow("missing, OK, dialog cancelled")
            << "/help/qv.chm" << QStringList() << ok << cancelled << "" << QStringList { notFound }
            << QStringList() << "/help/qv.chm";
        QTest::newRow("missing, OK, chosen file missing")
            << "/help/qv.chm" << QStringList() << ok << accepted << "/gone.chm"
            << QStringList { notFound, "Error" } << QStringList() << "/help/qv.chm";
        QTest::newRow("missing, OK, chosen file exists")
            << "/help/qv.chm" << QStringList { "/new/qv.chm" } << ok << accepted << "/new/qv.chm"
            << QStringList { notFound } << QStringList { "/new/qv.chm" } << "/new/qv.chm";
        QTest::newRow("any existing file is taken")
            << "/help/qv.chm" << QStringList { "/etc/hostname" } << ok << accepted
            << "/etc/hostname" << QStringList { notFound } << QStringList { "/etc/hostname" }
            << "/etc/hostname";
        QTest::newRow("the empty path is missing")
            << "" << QStringList() << cancel << accepted << "" << QStringList { notFound }
            << QStringList() << "";
        QTest::newRow("the dialog fails")
            << "/help/qv.chm" << QStringList() << ok << failed << ""
            << QStringList { notFound, "Error" } << QStringList() << "/help/qv.chm";
    }
    void helpCommand()
    {
        QFETCH(QString, HelpFile);
        QFETCH(QStringList, existing);
        QFETCH(int, firstAnswer);
        QFETCH(int, dialogStatus);
        QFETCH(QString, chosen);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, viewed);
        QFETCH(QString, HelpFileAfter);
        Fixture fx;
        fx.HelpFile = HelpFile;
        fx.files.files = QSet<QString>(existing.begin(), existing.end());
        fx.box.queueAnswer(MessageAnswer(firstAnswer));
        fx.dialog.result = { Status(dialogStatus), chosen, QStringLiteral("the dialog broke") };
        fx.command.mnu_qvhelp_Click();
        QStringList titles;
        for (const MessageRequest &shown : fx.box.shown())
            titles.append(shown.title);
        QCOMPARE(titles, messages);
        QCOMPARE(fx.viewer.shown, viewed);
        QCOMPARE(fx.HelpFile, HelpFileAfter);
        const bool dialogShown = messages.value(0) == u"Help file (qv.chm) not found:"
            && firstAnswer == int(MessageAnswer::Ok);
        QCOMPARE(
            fx.dialog.filters, dialogShown ? QStringList { HelpCommand::kFilter } : QStringList());
        if (!messages.isEmpty()) // OK goes on to the dialog, Cancel gives up
            QCOMPARE(fx.box.shown().first().buttons, MessageButtons::OkCancel);
    }

    void realFileSystem_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("ordinary");
        QTest::newRow("a file") << kHelpChm << true << true;
        QTest::newRow("a folder") << QStringLiteral("/tmp") << false << false;
        QTest::newRow("the empty path") << QString() << false << false;
        QTest::newRow("missing") << QStringLiteral("/no/such/file") << false << false;
        QTest::newRow("hidden") << QStringLiteral("hidden") << true << false;
    }
    void realFileSystem()
    {
        QFETCH(QString, path);
        QFETCH(bool, exists);
        QFETCH(bool, ordinary);
        TempFolder dir;
        if (path == u"hidden")
            path = dir.write(".hardinfo", {});
        LocalFileSystem files;
        QCOMPARE(files.fileExists(path), exists);
        QCOMPARE(files.isOrdinaryFile(path), ordinary);
    }

    void filterAsQtWritesIt()
    {
        QCOMPARE(QtOpenFileDialog::qtFilter("Help File (*.chm)|*.chm"),
            QStringLiteral("Help File (*.chm)"));
        QCOMPARE(QtOpenFileDialog::qtFilter("Text|*.txt;*.text|All|*"),
            QStringLiteral("Text (*.txt *.text);;All (*)"));
    }

    void archiveOfTheBuiltHelpFile()
    {
        const auto archive = ChmArchive::load(kHelpChm);
        QVERIFY2(archive, "chmcmd's file must open despite its repeated header GUID");
        QCOMPARE(archive->contentsFile(), QStringLiteral("qv.hhc"));
        QVERIFY(archive->read("/INDEX.HTML"));
    }

    void viewerShowsTheRealHelpFile()
    {
        RecordingLauncher launcher;
        ChmHelpViewer viewer(launcher);
        viewer.displayTopic(nullptr, kHelpChm);
        HelpWindow *window = viewer.window(kHelpChm);
        QVERIFY(window && window->isVisible() && window->isReadable());
        QCOMPARE(window->windowTitle(), QStringLiteral("Quorvel Help"));
        ChmBrowser *page = window->browser();
        QCOMPARE(page->source(), QUrl("chm:/index.html"));
        QCOMPARE(page->documentTitle(), QStringLiteral("Quorvel Help"));
        QCOMPARE(window->contents()->topLevelItem(0)->childCount(), 6);

        // The picture comes out of the archive.
        const QVariant image
            = page->loadResource(QTextDocument::ImageResource, QUrl("images/mainwindow.png"));
        QVERIFY(QImage::fromData(image.toByteArray()).width() > 100);

        page->followLink(QUrl("steps.html"));
        QCOMPARE(page->source(), QUrl("chm:/steps.html"));
        QCOMPARE(page->documentTitle(), QStringLiteral("The four steps"));
        page->backward();
        QCOMPARE(page->source(), QUrl("chm:/index.html"));

        // Only one window per file, brought back.
        viewer.displayTopic(nullptr, kHelpChm);
        QCOMPARE(viewer.window(kHelpChm), window);
    }

    void linksThatLeaveTheFile_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened"); // in the browser; empty: nothing
        QTest::addColumn<QString>("source"); // the page afterwards
        QTest::newRow("file: URL") << "file:///etc/passwd"
                                   << ""
                                   << "chm:/index.html";
        QTest::newRow("climbing out") << "../../etc/passwd"
                                      << ""
                                      << "chm:/index.html";
        QTest::newRow("climbing out, encoded") << "%2e%2e/%2E%2E/etc/passwd"
                                               << ""
                                               << "chm:/index.html";
        QTest::newRow("another CHM") << "ms-its:other.chm::/index.html"
                                     << ""
                                     << "chm:/index.html";
        QTest::newRow("this CHM by name") << "ms-its:qv.chm::/words.html"
                                          << ""
                                          << "chm:/words.html";
        QTest::newRow("web page") << "https://example.org/x"
                                  << "https://example.org/x"
                                  << "chm:/index.html";
        QTest::newRow("mail") << "mailto:a@example.org"
                              << "mailto:a@example.org"
                              << "chm:/index.html";
    }
    void linksThatLeaveTheFile()
    {
        QFETCH(QString, link);
        QFETCH(QString, opened);
        QFETCH(QString, source);
        RecordingLauncher launcher;
        HelpWindow window(kHelpChm, launcher);
        window.browser()->followLink(QUrl(link));
        QCOMPARE(launcher.opened, opened.isEmpty() ? QStringList() : QStringList { opened });
        QCOMPARE(window.browser()->source(), QUrl(source));
        QVERIFY(window.browser()->loadResource(QTextDocument::HtmlResource, QUrl(link)).isNull()
            || link.startsWith("ms-its:qv.chm"));
    }

    void passwdInAPageIsNotRead()
    {
        RecordingLauncher launcher;
        HelpWindow window(kHelpChm, launcher);
        window.browser()->setHtml("<img src=\"file:///etc/passwd\"><link rel=stylesheet "
                                  "href=\"/etc/passwd\">");
        QVERIFY(window.browser()
                    ->loadResource(QTextDocument::ImageResource, QUrl("file:///etc/passwd"))
                    .isNull());
    }

    void malformedFileShowsTheErrorPage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a CHM") << QByteArray("plain text, not a help file");
        QTest::newRow("empty") << QByteArray();
        QFile real(kHelpChm);
        QVERIFY(real.open(QIODevice::ReadOnly));
        QTest::newRow("truncated") << real.read(200);
    }
    void malformedFileShowsTheErrorPage()
    {
        QFETCH(QByteArray, bytes);
        TempFolder dir;
        RecordingLauncher launcher;
        HelpWindow window(dir.write("qv.chm", bytes), launcher);
        QVERIFY(!window.isReadable());
        QVERIFY(window.browser()->toPlainText().contains("cannot be shown"));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
