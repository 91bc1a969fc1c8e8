// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chmreader/ChmArchive.h"
#include "helpviewer/ChmBrowser.h"
#include "platform/HelpViewer.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <optional>

class ProgramLauncher;
class QScreen;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

// The viewer window of one help file: contents beside the page, back and
// forward; Escape closes it. Closing only hides it, so that it comes back
// as it was; its size, place and split are kept in the settings for the
// next run.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    HelpWindow(const QString &helpFile, ProgramLauncher &launcher);
    ~HelpWindow() override;

    [[nodiscard]] ChmBrowser *browser() const { return m_browser; }
    [[nodiscard]] QTreeWidget *contents() const { return m_contents; }
    [[nodiscard]] QSplitter *splitter() const { return m_splitter; }
    [[nodiscard]] bool isReadable() const { return m_archive.has_value(); }
    // Before it is shown; callerScreen is that of the window asking for help.
    void placeOnScreen(QScreen *callerScreen);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void showContents();
    void fitContents();
    void selectTopic(const QUrl &page);
    void restoreLayout();
    void saveLayout() const;
    [[nodiscard]] QMargins frameMargins() const;
    [[nodiscard]] QString startTopic() const;

    QString m_whyNot; // why the file could not be read
    bool m_placed = false; // has a place of its own, kept or given
    bool m_splitKept = false; // the split between contents and page, from the settings
    std::optional<ChmArchive> m_archive;
    ChmBrowser *m_browser = nullptr;
    QTreeWidget *m_contents = nullptr;
    QSplitter *m_splitter = nullptr;
    QHash<QString, QTreeWidgetItem *> m_topics; // page path -> its first entry
};

// One viewer window per help file, reused and brought to the front.
class ChmHelpViewer final : public HelpViewer {
public:
    explicit ChmHelpViewer(ProgramLauncher &launcher);
    ~ChmHelpViewer() override;

    void displayTopic(QWidget *caller, const QString &helpFile) override;
    [[nodiscard]] HelpWindow *window(const QString &helpFile) const;

private:
    ProgramLauncher &m_launcher;
    QHash<QString, QPointer<HelpWindow>> m_windows;
    QSet<QString> m_opening; // files whose window is reading them
};
