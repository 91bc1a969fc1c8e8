// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/LocalFileSystem.h"
#include "desktop/QtOpenFileDialog.h"
#include "helpviewer/ChmViewer.h"
#include "mainwindow/HelpCommand.h"
#include "mainwindow/Startup.h"
#include "platform/HelpViewer.h"
#include "registry/HiveRegistry.h"
#include "tests/support/ChmWriter.h"
#include "tests/support/FakeMessageBox.h"
#include "tests/support/RecordingLauncher.h"
#include "tests/support/Rows.h"
#include "tests/support/TempFolder.h"

#include <QTest>
#include <QTreeWidget>

namespace {

const QString kHelpChm = QStringLiteral(QUORVEL_HELP_CHM);
const QString kBuiltPrograms = QStringLiteral(QUORVEL_PROGRAM_FOLDER);
const QString kDialogError = QStringLiteral("the dialog broke");

// Which box the user saw, told by what they see of it: whether it asks
// (OK and Cancel), warns or reports a failure, with the failure's own words.
QString kindOf(const MessageRequest &box)
{
    if (box.buttons == MessageButtons::OkCancel && box.icon == MessageIcon::None
        && box.text.contains(u"qv.chm"))
        return QStringLiteral("ask");
    if (box.buttons == MessageButtons::Ok && box.icon == MessageIcon::Exclamation)
        return QStringLiteral("missing");
    if (box.buttons == MessageButtons::Ok && box.icon == MessageIcon::Critical
        && box.text.endsWith(QStringLiteral(": ") + kDialogError))
        return QStringLiteral("failed");
    return QStringLiteral("unexpected: ") + box.title;
}

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
    const char *HelpFile = "/help/qv.chm";
    const char *existing = nullptr; // the one file that exists, if any
    MessageAnswer answer = MessageAnswer::Ok; // to the first box
    OpenFileResult::Status dialog = OpenFileResult::Status::Accepted;
    const char *chosen = "";
    QStringList boxes = {}; // kindOf() each box shown
    const char *viewed = nullptr; // and kept as HelpFile; none: nothing shown, HelpFile as it was
};
struct LanguageRow {
    const char *name;
    QStringList uiLanguages; // as QLocale::uiLanguages() gives them
    QStringList existing; // besides the English file
    const char *HelpFile; // after start-up
    const char *stored = nullptr; // in the machine hive; none: the program's folder is taken
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
        const QStringList ask { "ask" };
        addRows<CommandRow>({
            { .name = "found at once", .existing = "/help/qv.chm", .viewed = "/help/qv.chm" },
            { .name = "missing, then Cancel", .answer = Cancel, .chosen = "/x.chm", .boxes = ask },
            { .name = "missing, OK, dialog cancelled", .dialog = Cancelled, .boxes = ask },
            { .name = "chosen file missing", .chosen = "/gone.chm", .boxes = { "ask", "missing" } },
            { .name = "chosen file exists",
                .existing = "/new.chm",
                .chosen = "/new.chm",
                .boxes = ask,
                .viewed = "/new.chm" },
            { .name = "any file is taken",
                .existing = "/etc/hosts",
                .chosen = "/etc/hosts",
                .boxes = ask,
                .viewed = "/etc/hosts" },
            { .name = "the empty path is missing", .HelpFile = "", .answer = Cancel, .boxes = ask },
            { .name = "the dialog fails", .dialog = Failed, .boxes = { "ask", "failed" } },
        });
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
        dialog.result = { row.dialog, row.chosen, kDialogError };
        HelpCommand(HelpFile, { files, box, dialog, viewer }).mnu_qvhelp_Click();
        QStringList kinds;
        for (const MessageRequest &shown : box.shown())
            kinds.append(kindOf(shown));
        QCOMPARE(kinds, row.boxes);
        QCOMPARE(viewer.shown, row.viewed ? QStringList { row.viewed } : QStringList());
        QCOMPARE(HelpFile, QString::fromLatin1(row.viewed ? row.viewed : row.HelpFile));
        // OK in the first box goes on to the dialog, Cancel gives up.
        const bool dialogShown = !row.boxes.isEmpty() && row.answer == MessageAnswer::Ok;
        QCOMPARE(dialog.filters, QStringList { HelpCommand::kFilter }.first(dialogShown));
    }

    // Start-up in each language: the help file of the first interface
    // language that has one beside the English file, else the English one.
    void startUpLanguage_data()
    {
        const QStringList both { "/app/bin/help/de/qv.chm", "/app/bin/help/fr/qv.chm" };
        const char *english = "/app/bin/help/qv.chm";
        const char *german = "/app/bin/help/de/qv.chm";
        addRows<LanguageRow>({
            { "de", { "de", "de-Latn-DE", "de-DE" }, both, german },
            { "fr_FR", { "fr-FR", "fr-Latn-FR", "fr" }, both, "/app/bin/help/fr/qv.chm" },
            { "de_AT takes de", { "de-AT", "de-Latn-AT" }, both, german },
            { "ru has none: English", { "ru", "ru-Cyrl-RU", "ru-RU" }, both, english },
            // Locales that name no language, even with a folder of their name.
            { "C: English", { "C" }, both + QStringList { "/app/bin/help/c/qv.chm" }, english },
            { "POSIX: English", { "POSIX" }, both + QStringList { "/app/bin/help/posix/qv.chm" },
                english },
            { "no languages: English", {}, both, english },
            { "German missing: English", { "de" }, { "/app/bin/help/fr/qv.chm" }, english },
            { "the list in its order", { "ru", "fr", "de" }, both, "/app/bin/help/fr/qv.chm" },
            { "English first wins over a translation", { "en", "en-US", "de" }, both, english },
            { "the country's own before the language's", { "pt-BR", "pt-Latn-BR", "pt" },
                { "/app/bin/help/pt/qv.chm", "/app/bin/help/pt_BR/qv.chm" },
                "/app/bin/help/pt_BR/qv.chm" },
            { "names that are no language make no path", { "..", "x/y", "de/../fr" },
                { "/app/bin/help/../qv.chm", "/app/bin/help/x/y/qv.chm" }, english },
            { "stored, with de beside it", { "de" }, { "/opt/qv/de/qv.chm" }, "/opt/qv/de/qv.chm",
                "/opt/qv/qv.chm" },
            { "stored, without de beside it", { "de" }, both, "/opt/qv/qv.chm", "/opt/qv/qv.chm" },
            { "stored under its own name", { "de" },
                { "/opt/qv/de/hilfe.chm", "/opt/qv/de/qv.chm" }, "/opt/qv/de/hilfe.chm",
                "/opt/qv/hilfe.chm" },
            { "stored with spaces, kept", { "ru" }, both, "  /opt/qv.chm ", "  /opt/qv.chm " },
        });
    }
    void startUpLanguage()
    {
        QFETCH(LanguageRow, row);
        TempFolder dir;
        QByteArray hive = "REGEDIT4\n";
        if (row.stored)
            hive += "[HKEY_LOCAL_MACHINE\\Software\\KelmstarSoftware\\Quorvel\\Help]\n"
                    "\"help_file_location\"=\""
                + QByteArray(row.stored) + "\"\n";
        HiveRegistry registry(dir.write("hklm.reg", hive));
        FakeFileSystem files;
        for (const QString &path : row.existing)
            files.files.insert(path);
        QWidget window;
        QString HelpFile;
        Form_Load(window, registry, HelpFile, "/app/bin", { row.uiLanguages, files });
        QCOMPARE(HelpFile, QString::fromUtf8(row.HelpFile));
        QVERIFY(window.isVisible());
    }

    // The built help files where start-up looks for them.
    void builtTranslationsAreFound_data()
    {
        addRows<QString>("language", { { "de", "de" }, { "fr", "fr" } });
    }
    void builtTranslationsAreFound()
    {
        QFETCH(QString, language);
        LocalFileSystem files;
        const QString chosen
            = helpFileInLanguage(defaultHelpFile(kBuiltPrograms), { language + "-CH" }, files);
        QCOMPARE(chosen, kBuiltPrograms + "/help/" + language + "/qv.chm");
        RecordingLauncher launcher;
        HelpWindow window(chosen, launcher);
        QVERIFY(window.isReadable());
        QVERIFY(window.contents()->topLevelItemCount() > 0);
        // Translated: not the English file's title.
        QVERIFY(!window.windowTitle().isEmpty());
        QCOMPARE_NE(window.windowTitle(), ChmArchive::load(kHelpChm)->title());
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
