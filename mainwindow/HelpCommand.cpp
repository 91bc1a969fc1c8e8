// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/HelpCommand.h"

#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/OpenFileDialog.h"

namespace {

constexpr char kNotFoundTitle[] = "Help file (qv.chm) not found:";
constexpr char kChosenMissing[] = "The help file you chose does not exist.";
constexpr char kErrorTitle[] = "Error";
constexpr char kErrorOccurred[] = "Error occurred: ";

} // namespace

HelpCommand::HelpCommand(QString &HelpFile, Services services, QWidget *window)
    : m_helpFile(HelpFile)
    , m_services(services)
    , m_window(window)
{
}

void HelpCommand::mnu_qvhelp_Click()
{
    const QString path = m_helpFile;
    if (!m_services.files.fileExists(path)) {
        const MessageAnswer answer = m_services.messageBox.show({ QString::fromLatin1(kNotFound),
            QString::fromLatin1(kNotFoundTitle), MessageButtons::OkCancel, MessageIcon::None });
        if (answer != MessageAnswer::Ok)
            return;
        const OpenFileResult chosen
            = m_services.openDialog.showOpen(m_window, QString::fromLatin1(kFilter));
        switch (chosen.status) {
        case OpenFileResult::Status::Cancelled:
            return;
        case OpenFileResult::Status::Failed:
            (void)m_services.messageBox.show(
                { QLatin1String(kErrorOccurred) + chosen.errorDescription,
                    QString::fromLatin1(kErrorTitle), MessageButtons::Ok, MessageIcon::Critical });
            return;
        case OpenFileResult::Status::Accepted:
            break;
        }
        if (!m_services.files.fileExists(chosen.fileName)) {
            (void)m_services.messageBox.show({ QString::fromLatin1(kChosenMissing),
                QString::fromLatin1(kErrorTitle), MessageButtons::Ok, MessageIcon::Exclamation });
            return;
        }
        // Any existing file is taken, whatever its kind; the viewer tells
        // when it is not a help file.
        m_helpFile = chosen.fileName;
    }
    m_services.viewer.displayTopic(m_window, m_helpFile);
}
