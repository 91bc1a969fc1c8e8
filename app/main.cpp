// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The composition root: the real window system, spelling engines, registry
// and program end, handed to the main window.
#include "BuildConfig.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "artwork/Artwork.h"
#include "desktop/LocalFileSystem.h"
#include "desktop/QtEventPump.h"
#include "desktop/QtMessageBox.h"
#include "desktop/QtOpenFileDialog.h"
#include "desktop/QtProgramLauncher.h"
#include "desktop/QtProgramTerminator.h"
#include "helpviewer/ChmViewer.h"
#include "mainwindow/AnalysisWiring.h"
#include "mainwindow/HelpCommand.h"
#include "mainwindow/Startup.h"
#include "mainwindow/frmMain.h"
#include "registry/HiveRegistry.h"
#include "registry/MachineHive.h"
#include "search/WordSearch.h"
#include "spelling/SpellEngines.h"
#include "wordindex/WordIndex.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Where the settings go (the help viewer's size, place and split).
    QApplication::setOrganizationName(QStringLiteral("Kelmstar Software"));
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setWindowIcon(Artwork::icon());

    QtMessageBox messageBox;
    SpellEngineFactory checkers;
    QtProgramTerminator terminator;
    QtEventPump events;
    HiveRegistry registry(machineHivePath(QCoreApplication::applicationDirPath()));
    // The help file path of the whole run; the help command may replace it.
    QString HelpFile;

    LocalFileSystem files;
    QtProgramLauncher launcher;
    SysInfoLauncher sysInfo(registry, files, launcher, messageBox);
    AboutCommand about({ sysInfo, launcher, messageBox });

    // One switch, for the curious and for comparing: every arrangement is
    // tried, as without a word index.
    QCommandLineParser parser;
    const QCommandLineOption exhaustive(QStringLiteral("exhaustive"),
        QStringLiteral(
            "Try every arrangement, even where the dictionary's word index could answer."));
    parser.addOption(exhaustive);
    parser.addHelpOption();
    parser.process(app);
    WordSearch::Options options;
    options.exhaustive = parser.isSet(exhaustive);

    WordIndexCache indexes;
    frmMain window;
    WordSearch search(window, { messageBox, checkers, terminator, events, &indexes }, options);
    connectAnalysis(window, search, terminator);
    QObject::connect(&window, &frmMain::aboutRequested, [&about] { about.mnu_about_Click(); });
    QtOpenFileDialog openDialog;
    ChmHelpViewer viewer(launcher);
    HelpCommand help(HelpFile, { files, messageBox, openDialog, viewer }, &window);
    QObject::connect(&window, &frmMain::helpRequested, [&help] { help.mnu_qvhelp_Click(); });
    Form_Load(window, registry, HelpFile, QCoreApplication::applicationDirPath());
    return QApplication::exec();
}
