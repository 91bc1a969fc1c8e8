// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/SysInfo.h"

#include "BuildConfig.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProgramLauncher.h"

#include <QByteArray>
#include <QCoreApplication>

namespace {

// More than reading needs (0x2003F): reading and changing, all but delete.
// The machine hive grants them to every user who can read it.
constexpr std::uint32_t kAccessRights = RegistryAccess::kRead | RegistryAccess::kChange;
constexpr std::uint32_t kBufferSize = 1024;

} // namespace

SysInfoLauncher::SysInfoLauncher(
    Registry &registry, FileSystem &files, ProgramLauncher &launcher, MessageBox &messageBox)
    : m_registry(registry)
    , m_files(files)
    , m_launcher(launcher)
    , m_messageBox(messageBox)
{
}

void SysInfoLauncher::StartSysInfo()
{
    if (tryStart())
        return;
    (void)m_messageBox.show({ QCoreApplication::translate("SysInfoLauncher", kUnavailable),
        QString::fromLatin1(kApplicationTitle), MessageButtons::Ok, MessageIcon::None });
}

bool SysInfoLauncher::tryStart()
{
    QString path;
    const auto first = GetKeyValue(
        HKEY_LOCAL_MACHINE, QString::fromLatin1(kFirstKey), QString::fromLatin1(kFirstValue), path);
    if (!first)
        return false;
    // The first place's path is started as it stands, without asking whether
    // a file is there: the start itself tells.
    if (!*first) {
        const auto second = GetKeyValue(HKEY_LOCAL_MACHINE, QString::fromLatin1(kSecondKey),
            QString::fromLatin1(kSecondValue), path);
        if (!second || !*second)
            return false;
        const QString candidate = path + QLatin1String(kSysInfoProgramFile);
        if (!m_files.isOrdinaryFile(candidate))
            return false;
        path = candidate;
    }
    return m_launcher.startDetached(path);
}

std::optional<bool> SysInfoLauncher::GetKeyValue(
    HKEY KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    HKEY key = 0;
    if (m_registry.RegOpenKeyExA(KeyRoot, KeyName.toUtf8().toStdString(), 0, kAccessRights, &key)
        != RegistryStatus::kSuccess) {
        KeyVal.clear();
        return false;
    }
    QByteArray buffer(kBufferSize, '\0');
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (m_registry.RegQueryValueExA(key, SubKeyRef.toUtf8().toStdString(), &type,
            reinterpret_cast<std::uint8_t *>(buffer.data()), &size)
        != RegistryStatus::kSuccess) {
        KeyVal.clear();
        (void)m_registry.RegCloseKey(key);
        return false;
    }
    // The terminating NUL, if stored, is dropped; a value of zero bytes has
    // no last character to look at, and reading it fails.
    if (size == 0) {
        (void)m_registry.RegCloseKey(key);
        return std::nullopt;
    }
    buffer.truncate(size);
    if (type == RegistryType::kString) {
        KeyVal = QString::fromUtf8(buffer.endsWith('\0') ? buffer.chopped(1) : buffer);
    } else if (type == RegistryType::kDword && size >= 4) {
        KeyVal = QString::number(
            dwordFromBytes(reinterpret_cast<const std::uint8_t *>(buffer.constData())));
    }
    (void)m_registry.RegCloseKey(key);
    return true;
}
