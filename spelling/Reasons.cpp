// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/Reasons.h"

#include "hunspellfiles/Reason.h"

#include <QCoreApplication>

namespace Reasons {

namespace {

constexpr const char *kForms[]
    = { kDies, kHelperNotStarted, kAcceptsNoneOfItsOwn, kAcceptsAnything, kEngineSays };
const QString kMarker = QStringLiteral("%1");

} // namespace

std::string english(const char *form, const std::string &named)
{
    return QString::fromLatin1(form).arg(QString::fromStdString(named)).toStdString();
}

QString said(const std::string &reason)
{
    const QString text = QString::fromStdString(reason);
    // What the form names is whatever stands between its two fixed parts.
    for (const char *form : kForms) {
        const QString source = QString::fromLatin1(form);
        const qsizetype at = source.indexOf(kMarker);
        const QStringView before = QStringView(source).left(at);
        const QStringView after = QStringView(source).mid(at + kMarker.size());
        if (text.size() >= before.size() + after.size() && text.startsWith(before)
            && text.endsWith(after)) {
            return QCoreApplication::translate("Reason", form)
                .arg(text.mid(before.size(), text.size() - before.size() - after.size()));
        }
    }
    // The lower layers' forms, whose part may be a reason too.
    if (const auto parsed = Reason::parse(reason))
        return QCoreApplication::translate("Reason", parsed->form).arg(said(parsed->part));
    return QCoreApplication::translate("Reason", reason.c_str());
}

} // namespace Reasons
