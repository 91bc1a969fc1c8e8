// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// One ordered record shared by several fakes, so a test can see what happened
// in what order across them (and that nothing happened after the program ended).
class CallLog {
public:
    void add(const QString &entry) { m_entries.append(entry); }
    [[nodiscard]] const QStringList &entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

private:
    QStringList m_entries;
};
