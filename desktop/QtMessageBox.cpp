// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair {
    QMessageBox::StandardButton first;
    QMessageBox::StandardButton second;
};

ButtonPair toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return { QMessageBox::Ok, QMessageBox::Cancel };
    case MessageButtons::YesNo:
        return { QMessageBox::Yes, QMessageBox::No };
    case MessageButtons::Ok:
        break;
    }
    return { QMessageBox::Ok, QMessageBox::NoButton };
}

} // namespace

std::unique_ptr<QMessageBox> QtMessageBox::build(const MessageRequest &request)
{
    const ButtonPair buttons = toQt(request.buttons);
    // Parented to the active window so the box is centred on it and stays on top.
    auto box = std::make_unique<QMessageBox>(toQt(request.icon), request.title, request.text,
        buttons.first | buttons.second, QApplication::activeWindow());
    box->setDefaultButton(buttons.first);
    // An address or a path in a message can be selected and copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Only a key pressed while the box is up answers it.
    new FreshKeysOnly(*box, m_releases);
    return box;
}

MessageAnswer QtMessageBox::show(const MessageRequest &request)
{
    const auto box = build(request);
    switch (box->exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}
