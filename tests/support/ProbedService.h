// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The test's dictionaries in tests/data/dictionaries, and a service that
// tries them with the real helper program: the test defines
// QUORVEL_TEST_DATA and QUORVEL_PROBE.
#include "spelling/DictionaryService.h"

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

[[nodiscard]] inline std::filesystem::path dictionary(const QString &folder)
{
    return QUORVEL_TEST_DATA "/dictionaries/" + folder.toStdString() + "/xx_XX";
}

// A service over the dictionaries, each tried with the real helper.
struct Service {
    QStringList said;
    DictionaryService service;
    Service(std::vector<std::filesystem::path> bases,
        std::optional<std::filesystem::path> cache = {},
        std::filesystem::path helper = QUORVEL_PROBE)
        : service({ [bases] { return bases; }, "xx_XX", std::move(helper), std::move(cache) },
            [this](const std::string &line) { said.append(QString::fromStdString(line)); })
    {
    }
};
