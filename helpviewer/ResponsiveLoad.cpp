// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ResponsiveLoad.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <memory>

std::optional<ChmArchive> loadResponsively(
    const std::function<std::optional<ChmArchive>(const std::atomic<bool> &cancel)> &load)
{
    std::optional<ChmArchive> archive;
    std::atomic<bool> cancel { false };
    const std::unique_ptr<QThread> thread(QThread::create([&] { archive = load(cancel); }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    constexpr int kQuickMs = 50; // an ordinary file is read by then
    if (!thread->wait(QDeadlineTimer(kQuickMs)))
        loop.exec();
    cancel = true; // left early: the program is ending
    thread->wait();
    return archive;
}
