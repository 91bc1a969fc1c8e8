// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "registry/basRegistry.h"

#include <QByteArray>
#include <limits>

namespace basRegistry {

namespace {

// The reader of the string: the first NUL ends it, and its position must fit
// a signed 16-bit integer.
std::optional<RegistryValue> stringUpToNul(const QByteArray &buffer)
{
    const QString text = QString::fromUtf8(buffer);
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul < 0)
        return RegistryValue(text);
    if (nul + 1 > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return RegistryValue(text.left(nul));
}

std::optional<RegistryValue> readValue(Registry &registry, HKEY key, const QByteArray &name)
{
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    (void)registry.RegQueryValueExA(key, name.toStdString(), &type, nullptr, &size);
    if (type == RegistryType::kString) {
        QByteArray buffer(static_cast<qsizetype>(size), ' ');
        std::uint32_t length = size;
        std::uint32_t ignored = 0;
        if (registry.RegQueryValueExA(key, name.toStdString(), &ignored,
                reinterpret_cast<std::uint8_t *>(buffer.data()), &length)
            != RegistryStatus::kSuccess)
            return RegistryValue(QString());
        return stringUpToNul(buffer);
    }
    if (type == RegistryType::kDword) {
        std::uint8_t bytes[4] = {};
        std::uint32_t length = sizeof bytes;
        std::uint32_t ignored = 0;
        if (registry.RegQueryValueExA(key, name.toStdString(), &ignored, bytes, &length)
            != RegistryStatus::kSuccess)
            return RegistryValue(QString());
        return RegistryValue(dwordFromBytes(bytes));
    }
    return RegistryValue(QString());
}

} // namespace

std::optional<RegistryValue> GetRegistryValue(
    Registry &registry, HKEY root, const QString &keyName, const QString &valueName)
{
    HKEY key = 0;
    (void)registry.RegOpenKeyA(root, keyName.toUtf8().toStdString(), &key);
    // The handle tells whether the key opened, not the status.
    if (key == 0)
        return RegistryValue(QString());
    auto result = readValue(registry, key, valueName.toUtf8());
    (void)registry.RegCloseKey(key);
    return result;
}

QString GetHelpFileLocation(Registry &registry)
{
    QString location;
    const auto value = GetRegistryValue(registry, HKEY_LOCAL_MACHINE, QString::fromLatin1(kHelpKey),
        QString::fromLatin1(kHelpValue));
    if (!value)
        return location; // the reader's error: the location stays empty
    if (const auto *number = std::get_if<qint32>(&*value))
        return QString::number(*number);
    return std::get<QString>(*value);
}

} // namespace basRegistry
