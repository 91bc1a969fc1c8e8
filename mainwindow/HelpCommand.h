#pragma once

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

    static constexpr char kFilter[] = "Help File (*.chm)|*.chm";

private:
    QString &m_helpFile;
    Services m_services;
    QWidget *m_window;
};
