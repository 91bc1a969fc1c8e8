#pragma once

#include "platform/MessageBox.h"

class QtMessageBox final : public MessageBox {
public:
    [[nodiscard]] MessageAnswer show(const MessageRequest &request) override;
};
