// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <optional>

class ChmArchive;
class ProgramLauncher;

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

    static constexpr char kScheme[] = "chm";

protected:
    void changeEvent(QEvent *event) override;
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;

private:
    void followPageColours();
    // The page's address inside the archive ("chm:/index.html"), if allowed.
    [[nodiscard]] std::optional<QUrl> resolve(const QUrl &link) const;

    const ChmArchive *m_archive;
    QString m_fileName; // the CHM's own file name, for ms-its: links into it
    ProgramLauncher &m_launcher;
};
