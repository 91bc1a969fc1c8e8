// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: the real window system, spelling engines, registry
// and program end, handed to the main window.
#include "BuildConfig.h"
#include "HelperPath.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "artwork/Artwork.h"
#include "cli/CommonOptions.h"
#include "desktop/LocalFileSystem.h"
#include "desktop/QtEventPump.h"
#include "desktop/QtMessageBox.h"
#include "desktop/QtOpenFileDialog.h"
#include "desktop/QtProgramLauncher.h"
#include "desktop/QtProgramTerminator.h"
#include "helpviewer/ChmViewer.h"
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/HelpCommand.h"
#include "mainwindow/LooseMatching.h"
#include "mainwindow/Startup.h"
#include "mainwindow/frmMain.h"
#include "registry/HiveRegistry.h"
#include "registry/MachineHive.h"
#include "search/WordSearch.h"
#include "spelling/DictionaryLocator.h"
#include "spelling/DictionaryService.h"
#include "translations/Language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

// The command line: --help and --version answer on the terminal and end the
// program, so does a wrong option, as a usage error; no window opens then.
class CommandLine {
public:
    CommandLine()
    {
        m_parser.setApplicationDescription(QCoreApplication::translate("quorvel",
            "Lists every word made of all the letters typed, in a window. See quorvel(1)."));
        m_options.addTo(m_parser);
    }

    // Nothing when the window is to open. Before the window system takes
    // its own options (-platform, -style ...) out, an option not known here
    // may still be one of them: only the last reading calls it wrong.
    [[nodiscard]] std::optional<int> read(const QStringList &arguments, bool last)
    {
        if (!m_parser.parse(arguments)) {
            if (!last)
                return std::nullopt;
            return usageError(m_parser.errorText());
        }
        // The window system's own options are known only once it is there.
        if (!last && m_parser.isSet(QStringLiteral("help-all")))
            return std::nullopt;
        m_parser.process(arguments); // --help, --help-all and --version end the program here
        if (!m_parser.positionalArguments().isEmpty())
            return usageError(QCoreApplication::translate("quorvel",
                "Unexpected argument '%1': the letters are typed in the window (quorvel-search "
                "takes them here).")
                                  .arg(m_parser.positionalArguments().constFirst()));
        // Named before the window opens, so that a wrong name is told on
        // the terminal it was typed on.
        auto named = m_options.dictionary(m_parser, DictionaryLocator::defaultFolders());
        if (const auto *refusal = std::get_if<CommandRefusal>(&named))
            return exitCode(tellRefusal(*refusal, QStringLiteral("quorvel")));
        m_pick = std::get<std::optional<DictionaryPick>>(std::move(named));
        return std::nullopt;
    }

    [[nodiscard]] bool exhaustive() const { return m_options.exhaustive(m_parser); }
    [[nodiscard]] bool noCache() const { return m_options.noCache(m_parser); }
    // The dictionary --dictionary names; nothing: the user's language picks.
    [[nodiscard]] const std::optional<DictionaryPick> &dictionary() const { return m_pick; }

    static int usageError(const QString &message)
    {
        return exitCode(tellRefusal({ ExitStatus::Usage, message }, QStringLiteral("quorvel")));
    }

private:
    QCommandLineParser m_parser;
    const CommonOptions m_options;
    std::optional<DictionaryPick> m_pick;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    std::optional<CommandLine> commandLine;
    InterfaceLanguage::Choice speaking;
    QStringList catalogues;
    {
        // Read first without the window system, so that --help and --version
        // answer on a terminal that has no display.
        const QCoreApplication terminal(argc, argv);
        catalogues = InterfaceLanguage::catalogueFolders(QCoreApplication::applicationDirPath());
        speaking = InterfaceLanguage::choose(
            QCoreApplication::arguments(), QLocale::system().uiLanguages(), catalogues);
        InterfaceLanguage::install(speaking.language, catalogues);
        if (speaking.unknown)
            return CommandLine::usageError(
                InterfaceLanguage::unknownLanguage(*speaking.unknown, catalogues));
        commandLine.emplace(); // its --help in that language
        if (const auto status = commandLine->read(QCoreApplication::arguments(), false))
            return *status;
    }
    QApplication app(argc, argv);
    InterfaceLanguage::install(speaking.language, catalogues);
    if (const auto status = commandLine->read(QCoreApplication::arguments(), true))
        return *status;
    // Where the settings go (the help viewer's size, place and split).
    QApplication::setOrganizationName(QStringLiteral("Kelmstar Software"));
    QApplication::setWindowIcon(Artwork::icon());

    QtMessageBox messageBox;
    QtProgramTerminator terminator;
    QtEventPump events;
    HiveRegistry registry(machineHivePath(QCoreApplication::applicationDirPath()));
    // The help file path of the whole run; the help command may replace it.
    QString HelpFile;

    LocalFileSystem files;
    QtProgramLauncher launcher;
    SysInfoLauncher sysInfo(registry, files, launcher, messageBox);
    AboutCommand about({ sysInfo, launcher, messageBox });

    WordSearch::Options options;
    options.exhaustive = commandLine->exhaustive();

    const auto &named = commandLine->dictionary();
    const auto language = named ? named->language : DictionaryLocator::userLanguage();
    DictionaryService dictionaries({ [&named, &language] {
                                        return named ? named->candidates
                                                     : DictionaryLocator::candidates(language,
                                                         DictionaryLocator::defaultFolders());
                                    },
        language, helperPath(QCoreApplication::applicationDirPath()),
        commandLine->noCache() ? std::nullopt : std::optional(cacheFolder()) });
    frmMain window;
    WordSearch search(
        window, { messageBox, dictionaries, terminator, events, &dictionaries }, options);
    connectAnalysis(window, search, terminator);
    connectRunNotes(window, search, language);
    connectLooseMatching(window, search, dictionaries);
    QObject::connect(&window, &frmMain::aboutRequested, [&about] { about.mnu_about_Click(); });
    QtOpenFileDialog openDialog;
    ChmHelpViewer viewer(launcher);
    HelpCommand help(HelpFile, { files, messageBox, openDialog, viewer }, &window);
    QObject::connect(&window, &frmMain::helpRequested, [&help] { help.mnu_qvhelp_Click(); });
    // The help opens in the interface's language, where it is translated.
    Form_Load(window, registry, HelpFile, QCoreApplication::applicationDirPath(),
        { { speaking.language }, files });
    // The dictionary is made ready as soon as the window is up, so that the
    // first Enter usually finds it loaded.
    QTimer::singleShot(0, &window, [&dictionaries] { dictionaries.startInBackground(); });
    const int status = QApplication::exec();
    // The program is to end at once: a dictionary still loading on its own
    // thread is not waited for (an engine cannot be stopped inside a load).
    dictionaries.cancel();
    if (!dictionaries.finishedWithin(std::chrono::milliseconds(300))) {
        std::fflush(nullptr);
        _exit(status);
    }
    return status;
}
