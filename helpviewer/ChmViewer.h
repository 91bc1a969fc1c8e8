// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "helpviewer/ChmArchive.h"
#include "platform/HelpViewer.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>
#include <optional>

class ProgramLauncher;
class QTreeWidget;

// One line of a help file's table of contents.
struct ContentsEntry {
    QString name;
    QString local; // the topic, relative to the file's root
    int depth = 0;
};

// Reads the entries of a contents (.hhc) file: nested lists of sitemap objects.
[[nodiscard]] QList<ContentsEntry> parseContents(const QString &hhc);

// Shows pages of one CHM file, and nothing from anywhere else: resources are
// read from the archive only, file: and links to other files are refused,
// and web and mail links go to the desktop's browser.
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

private:
    const ChmArchive *m_archive;
    QString m_fileName; // the CHM's own file name, for ms-its: links into it
    ProgramLauncher &m_launcher;
};

// The viewer window of one help file: contents beside the page, back and forward.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    HelpWindow(const QString &helpFile, ProgramLauncher &launcher);

    [[nodiscard]] ChmBrowser *browser() const { return m_browser; }
    [[nodiscard]] QTreeWidget *contents() const { return m_contents; }
    [[nodiscard]] bool isReadable() const { return m_archive.has_value(); }

private:
    void showContents();
    [[nodiscard]] QString startTopic() const;

    std::optional<ChmArchive> m_archive;
    ChmBrowser *m_browser = nullptr;
    QTreeWidget *m_contents = nullptr;
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
};
