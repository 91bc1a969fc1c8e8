// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Qt's own texts that the program shows: the message boxes' buttons, the
// context menus of the letter box and the results box, and the command
// line's usage text and errors. Qt's catalogue
// (qtbase_*.qm) has them for most languages, not for every one of ours (Greek):
// listed here, they come into the program's catalogues too, worded as Qt's
// catalogue words them where it has one.
namespace QtTexts {

inline constexpr const char *kTexts[][2] = {
    { "QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "OK") },
    { "QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel") },
    { "QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes") },
    { "QPlatformTheme", QT_TRANSLATE_NOOP("QPlatformTheme", "&No") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Undo") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Redo") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Cu&t") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Copy") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "&Paste") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Delete") },
    { "QLineEdit", QT_TRANSLATE_NOOP("QLineEdit", "Select All") },
    { "QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "&Copy") },
    { "QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "Copy &Link Location") },
    { "QWidgetTextControl", QT_TRANSLATE_NOOP("QWidgetTextControl", "Select All") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "[options]") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Options:") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:") },
    { "QCommandLineParser",
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options.") },
    { "QCommandLineParser",
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.") },
    { "QCommandLineParser",
        QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information.") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'.") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1.") },
    { "QCommandLineParser", QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'.") },
    { "QCommandLineParser",
        QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'.") },
};

} // namespace QtTexts
