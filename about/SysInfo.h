// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Registry.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class FileSystem;
class MessageBox;
class ProgramLauncher;

// Starts the system information program (hardinfo here), found through two
// places in the machine registry, and says so in one message when it cannot.
class SysInfoLauncher {
public:
    SysInfoLauncher(
        Registry &registry, FileSystem &files, ProgramLauncher &launcher, MessageBox &messageBox);

    void StartSysInfo();

    // Reads one value into KeyVal: true when read, false (KeyVal empty) when
    // the key cannot be opened with the rights asked for or the value cannot
    // be read into 1024 bytes. Nothing when reading fails outright, as a
    // value of zero bytes does.
    [[nodiscard]] std::optional<bool> GetKeyValue(
        HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

    static constexpr char kFirstKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr char kFirstValue[] = "PATH";
    static constexpr char kSecondKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr char kSecondValue[] = "MSINFO";
    static constexpr char kUnavailable[]
        = QT_TRANSLATE_NOOP("SysInfoLauncher", "System Information Is Unavailable At This Time");

private:
    [[nodiscard]] bool tryStart();

    Registry &m_registry;
    FileSystem &m_files;
    ProgramLauncher &m_launcher;
    MessageBox &m_messageBox;
};
