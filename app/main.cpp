// The composition root: the real window system, spelling engines and program
// end, handed to the main window.
#include "mainwindow/Artwork.h"
#include "mainwindow/frmMain.h"
#include "platform/QtEventPump.h"
#include "platform/QtMessageBox.h"
#include "platform/QtProgramTerminator.h"
#include "platform/SpellEngines.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setWindowIcon(Artwork::icon());

    QtMessageBox messageBox;
    SpellEngineFactory checkers;
    QtProgramTerminator terminator;
    QtEventPump events;
    frmMain window({ messageBox, checkers, terminator, events });
    window.show();
    return QApplication::exec();
}
