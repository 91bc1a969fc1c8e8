// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class FileSystem;
class HelpViewer;
class MessageBox;
class OpenFileDialog;
class QWidget;

// Help > Quorvel Help: opens HelpFile in the help viewer, or, when no file is
// there, explains and lets the user point to it for the rest of the run.
class HelpCommand {
public:
    struct Services {
        FileSystem &files;
        MessageBox &messageBox;
        OpenFileDialog &openDialog;
        HelpViewer &viewer;
    };

    HelpCommand(QString &HelpFile, Services services, QWidget *window = nullptr);

    void mnu_qvhelp_Click();

    // The texts are the English sources of the catalogues (context "HelpCommand").
    static constexpr char kFilter[] = QT_TRANSLATE_NOOP("HelpCommand", "Help File (*.chm)|*.chm");
    // Shown when no file is at HelpFile.
    static constexpr char kNotFound[] = QT_TRANSLATE_NOOP("HelpCommand",
        "The help file could not be found.  This could be caused by the Quorvel program file "
        "being copied or moved away from the location where it was initially installed.  If you "
        "would like to view the help file then please specify its location.  The name of the "
        "file is qv.chm and the default location is in the directory where the Quorvel program "
        "was initially installed.");

private:
    QString &m_helpFile;
    Services m_services;
    QWidget *m_window;
};
