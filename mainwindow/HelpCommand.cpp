// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/HelpCommand.h"

#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"
#include "platform/MessageBox.h"
#include "platform/OpenFileDialog.h"

namespace {

constexpr char kNotFoundTitle[] = QT_TRANSLATE_NOOP("HelpCommand", "Help file (qv.chm) not found:");
constexpr char kChosenMissing[]
    = QT_TRANSLATE_NOOP("HelpCommand", "The help file you chose does not exist.");
constexpr char kErrorTitle[] = QT_TRANSLATE_NOOP("HelpCommand", "Error");
constexpr char kErrorOccurred[] = QT_TRANSLATE_NOOP("HelpCommand", "Error occurred: ");

QString text(const char *source)
{
    return QCoreApplication::translate("HelpCommand", source);
}

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
        const MessageAnswer answer = m_services.messageBox.show(
            { text(kNotFound), text(kNotFoundTitle), MessageButtons::OkCancel, MessageIcon::None });
        if (answer != MessageAnswer::Ok)
            return;
        const OpenFileResult chosen = m_services.openDialog.showOpen(m_window, text(kFilter));
        switch (chosen.status) {
        case OpenFileResult::Status::Cancelled:
            return;
        case OpenFileResult::Status::Failed:
            (void)m_services.messageBox.show({ text(kErrorOccurred) + chosen.errorDescription,
                text(kErrorTitle), MessageButtons::Ok, MessageIcon::Critical });
            return;
        case OpenFileResult::Status::Accepted:
            break;
        }
        if (!m_services.files.fileExists(chosen.fileName)) {
            (void)m_services.messageBox.show({ text(kChosenMissing), text(kErrorTitle),
                MessageButtons::Ok, MessageIcon::Exclamation });
            return;
        }
        // Any existing file is taken, whatever its kind; the viewer tells
        // when it is not a help file.
        m_helpFile = chosen.fileName;
    }
    m_services.viewer.displayTopic(m_window, m_helpFile);
}
