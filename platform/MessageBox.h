// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Critical, Exclamation };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;

    friend bool operator==(const MessageRequest &, const MessageRequest &) = default;
};

// A modal message box, whose first button (OK, Yes) answers Enter; it returns the button the user
// pressed. Closing the box without a button counts as Cancel (or No, or OK where that is the only
// button), as the window system reports it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    [[nodiscard]] virtual MessageAnswer show(const MessageRequest &request) = 0;
};
