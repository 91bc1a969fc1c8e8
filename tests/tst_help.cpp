// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LocalFileSystem.h"
#include "desktop/QtOpenFileDialog.h"
#include "helpviewer/ChmViewer.h"
#include "mainwindow/HelpCommand.h"
#include "platform/HelpViewer.h"
#include "tests/support/ChmWriter.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <QTreeWidget>

namespace {

const QString kHelpChm = QStringLiteral(QUORVEL_HELP_CHM);
const QString kNotFound = QStringLiteral("Help file (qv.chm) not found:");

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

struct CommandRow {
    const char *name;
    const char *HelpFile;
    const char *existing; // the one file that exists, if any
    MessageAnswer answer; // to the first message
    OpenFileResult::Status dialog;
    const char *chosen;
    int messages; // the not-found message, then an error
    const char *viewed; // and kept as HelpFile; none: nothing shown, HelpFile as it was
};
struct FileSystemRow {
    const char *name;
    QString path;
    bool exists;
    bool ordinary;
};
struct LinkRow {
    const char *name;
    const char *link;
    bool handedOn; // to the launcher
    const char *source; // the page afterwards
};
struct ErrorRow {
    const char *name;
    QByteArray file;
    bool readable;
    const char *named; // on the error page, besides that it cannot be shown
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void helpCommand_data()
    {
        using enum MessageAnswer;
        using enum OpenFileResult::Status;
        const char *qv = "/help/qv.chm";
        addRows<CommandRow>({ { "found at once", qv, qv, Ok, Accepted, "", 0, qv },
            { "missing, then Cancel", qv, nullptr, Cancel, Accepted, "/x.chm", 1, nullptr },
            { "missing, OK, dialog cancelled", qv, nullptr, Ok, Cancelled, "", 1, nullptr },
            { "chosen file missing", qv, nullptr, Ok, Accepted, "/gone.chm", 2, nullptr },
            { "chosen file exists", qv, "/new.chm", Ok, Accepted, "/new.chm", 1, "/new.chm" },
            { "any file is taken", qv, "/etc/hosts", Ok, Accepted, "/etc/hosts", 1, "/etc/hosts" },
            { "the empty path is missing", "", nullptr, Cancel, Accepted, "", 1, nullptr },
            { "the dialog fails", qv, nullptr, Ok, Failed, "", 2, nullptr } });
    }
    void helpCommand()
    {
        QFETCH(CommandRow, row);
        QString HelpFile = row.HelpFile;
        FakeFileSystem files;
        FakeMessageBox box;
        ScriptedOpenDialog dialog;
        RecordingViewer viewer;
        if (row.existing)
            files.files.insert(row.existing);
        box.queueAnswer(row.answer);
        dialog.result = { row.dialog, row.chosen, QStringLiteral("the dialog broke") };
        HelpCommand(HelpFile, { files, box, dialog, viewer }).mnu_qvhelp_Click();
        QStringList titles;
        for (const MessageRequest &shown : box.shown())
            titles.append(shown.title);
        QCOMPARE(titles, QStringList({ kNotFound, "Error" }).first(row.messages));
        QCOMPARE(viewer.shown, row.viewed ? QStringList { row.viewed } : QStringList());
        QCOMPARE(HelpFile, QString::fromLatin1(row.viewed ? row.viewed : row.HelpFile));
        const bool dialogShown = row.messages > 0 && row.answer == MessageAnswer::Ok;
        QCOMPARE(dialog.filters, QStringList { HelpCommand::kFilter }.first(dialogShown));
        if (row.messages > 0) // OK goes on to the dialog, Cancel gives up
            QCOMPARE(box.shown().first().buttons, MessageButtons::OkCancel);
    }

    void realFileSystem_data()
    {
        addRows<FileSystemRow>({ { "a file", kHelpChm, true, true },
            { "a folder", "/tmp", false, false }, { "the empty path", "", false, false },
            { "missing", "/no/such/file", false, false }, { "hidden", "hidden", true, false } });
    }
    void realFileSystem()
    {
        QFETCH(FileSystemRow, row);
        TempFolder dir;
        if (row.path == u"hidden")
            row.path = dir.write(".hardinfo", {});
        LocalFileSystem files;
        QCOMPARE(files.fileExists(row.path), row.exists);
        QCOMPARE(files.isOrdinaryFile(row.path), row.ordinary);
    }

    void filterAsQtWritesIt()
    {
        QCOMPARE(QtOpenFileDialog::qtFilter("Help File (*.chm)|*.chm"),
            QStringLiteral("Help File (*.chm)"));
        QCOMPARE(QtOpenFileDialog::qtFilter("Text|*.txt;*.text|All|*"),
            QStringLiteral("Text (*.txt *.text);;All (*)"));
    }

    void realHelpFileIsShown()
    {
        RecordingLauncher launcher;
        HelpWindow window(kHelpChm, launcher);
        QVERIFY2(window.isReadable(), "chmcmd's file must open despite its repeated header GUID");
        QCOMPARE(window.windowTitle(), ChmArchive::load(kHelpChm)->title());
        QVERIFY(window.contents()->topLevelItemCount() > 0);
        QVERIFY(!window.browser()->toPlainText().contains(u"cannot be shown"));
        // The picture comes out of the archive.
        const QVariant image = window.browser()->loadResource(
            QTextDocument::ImageResource, QUrl("images/mainwindow.png"));
        QVERIFY(QImage::fromData(image.toByteArray()).width() > 100);
    }

    void linksThatLeaveTheFile_data()
    {
        addRows<LinkRow>({ { "file: URL", "file:///etc/passwd", false, "chm:/index.html" },
            { "climbing out", "../../etc/passwd", false, "chm:/index.html" },
            { "climbing out, encoded", "%2e%2e/%2E%2E/etc/passwd", false, "chm:/index.html" },
            { "another CHM", "ms-its:other.chm::/index.html", false, "chm:/index.html" },
            { "this CHM by name", "ms-its:qv.chm::/words.html", false, "chm:/words.html" },
            { "web page", "https://example.org/x", true, "chm:/index.html" },
            { "mail", "mailto:a@example.org", true, "chm:/index.html" } });
    }
    void linksThatLeaveTheFile()
    {
        QFETCH(LinkRow, row);
        RecordingLauncher launcher;
        HelpWindow window(kHelpChm, launcher);
        window.browser()->followLink(QUrl(row.link));
        QCOMPARE(launcher.opened, row.handedOn ? QStringList { row.link } : QStringList());
        QCOMPARE(window.browser()->source(), QUrl(row.source));
        QVERIFY(window.browser()->loadResource(QTextDocument::HtmlResource, QUrl(row.link)).isNull()
            || QByteArray(row.link).startsWith("ms-its:qv.chm"));
    }

    void nothingToShowGivesTheErrorPage_data()
    {
        ChmWriter loop({ { 2, "a.html" } });
        loop.nextChunk = { { 0, 0 } };
        addRows<ErrorRow>(
            { { "not a CHM", "plain text, not a help file", false, "" }, { "empty", "", false, "" },
                { "truncated", ChmWriter::onePage("<p>x</p>").left(200), false, "" },
                { "a directory that loops", loop.build(), false, "chunk 0" },
                { "the start page is missing",
                    ChmWriter::onePage("<p>x</p>", { { 2, "gone.html" } }), true, "" },
                { "the start page is empty", ChmWriter::onePage("<html> </html>"), true, "" },
                { "no start page named", ChmWriter::onePage("<p>x</p>", {}), true, "" } });
    }
    void nothingToShowGivesTheErrorPage()
    {
        QFETCH(ErrorRow, row);
        TempFolder dir;
        RecordingLauncher launcher;
        HelpWindow window(dir.write("qv.chm", row.file), launcher);
        QCOMPARE(window.isReadable(), row.readable);
        const QString shown = window.browser()->toPlainText();
        QVERIFY2(
            shown.contains(u"cannot be shown") && shown.contains(row.named), qPrintable(shown));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
