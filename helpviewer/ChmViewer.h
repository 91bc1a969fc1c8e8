// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helpviewer/ChmArchive.h"
#include "helpviewer/ContentsParser.h"
#include "platform/HelpViewer.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QTextBrowser>
#include <optional>

class ProgramLauncher;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

// The page shown instead of one that cannot be shown: a heading and the reason.
[[nodiscard]] QString helpErrorPage(const QString &heading, const QString &reason);

// Shows pages of one CHM file, and nothing from anywhere else: resources are
// read from the archive only, file: and links to other files are refused,
// and web and mail links go to the desktop's browser. A page that is missing,
// too large or too deeply nested, or that comes out empty, gives the error
// page in its place, never a blank one.
class ChmBrowser : public QTextBrowser {
    Q_OBJECT

public:
    ChmBrowser(const ChmArchive *archive, QString fileName, ProgramLauncher &launcher,
        QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
    void followLink(const QUrl &link);
    // The page's address inside the archive ("chm:/index.html"), if allowed.
    [[nodiscard]] std::optional<QUrl> resolve(const QUrl &link) const;

    static constexpr char kScheme[] = "chm";

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;

private:
    const ChmArchive *m_archive;
    QString m_fileName; // the CHM's own file name, for ms-its: links into it
    ProgramLauncher &m_launcher;
};

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

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void showContents();
    void fitContents();
    void selectTopic(const QUrl &page);
    void restoreLayout();
    void saveLayout() const;
    [[nodiscard]] QString startTopic() const;

    QString m_whyNot; // why the file could not be read
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
