// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/LooseMatching.h"

#include "letters/LetterCase.h"
#include "mainwindow/frmMain.h"
#include "platform/SpellChecker.h"
#include "search/WordSearch.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSettings>

namespace {

void apply(frmMain &window, WordSearch &search, bool loose)
{
    window.setLooseMatching(loose);
    search.setMatching(loose ? Matching::Loose : Matching::AsTyped);
}

} // namespace

void connectLooseMatching(frmMain &window, WordSearch &search, SpellCheckerFactory &checkers)
{
    const QVariant chosen = QSettings().value(kLooseMatchingKey);
    apply(window, search, chosen.isValid() && chosen.toBool());
    QObject::connect(&window, &frmMain::looseMatchingChosen, &window, [&search](bool loose) {
        search.setMatching(loose ? Matching::Loose : Matching::AsTyped);
        QSettings().setValue(kLooseMatchingKey, loose);
    });
    if (chosen.isValid())
        return;
    // Told on the thread that made the dictionary ready: the window is
    // changed on its own thread, by the application, which outlives it.
    QPointer<frmMain> shown(&window);
    checkers.whenReady([shown, &search, &checkers] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [shown, &search, &checkers] {
                if (!shown || QSettings().contains(kLooseMatchingKey))
                    return;
                const auto dictionary = checkers.dictionary();
                if (!dictionary)
                    return;
                const std::string script = scriptOfLanguage(dictionary->filename().string());
                if (!script.empty() && script != "Latin")
                    apply(*shown, search, true);
            },
            Qt::QueuedConnection);
    });
}
