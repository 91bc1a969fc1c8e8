// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ChmBrowser.h"

#include "chmreader/ChmArchive.h"
#include "chmreader/PageLimits.h"
#include "helpviewer/CodeGlue.h"
#include "helpviewer/PageColours.h"
#include "platform/ProgramLauncher.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

// A path that climbs out of the archive, however it is spelt: a ".." step,
// plain or percent-encoded, with either slash.
bool climbsOut(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\:]"));
    const QString decoded = QUrl::fromPercentEncoding(text.toUtf8());
    for (const QString &step : decoded.split(separators)) {
        if (step == QLatin1String(".."))
            return true;
    }
    return false;
}

QString pageError(const QString &reason)
{
    return helpErrorPage(ChmBrowser::tr("This page cannot be shown"), reason);
}

} // namespace

QString helpErrorPage(const QString &heading, const QString &reason)
{
    return QStringLiteral("<h2>%1</h2><p>%2</p>")
        .arg(heading.toHtmlEscaped(), reason.toHtmlEscaped());
}

ChmBrowser::ChmBrowser(
    const ChmArchive *archive, QString fileName, ProgramLauncher &launcher, QWidget *parent)
    : QTextBrowser(parent)
    , m_archive(archive)
    , m_fileName(std::move(fileName))
    , m_launcher(launcher)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ChmBrowser::followLink);
    // Also after Back and Forward, which do not pass through doSetSource().
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        keepCodeTogether(*document());
        makeLinksReadable(*document(), QGuiApplication::palette().color(QPalette::Link));
    });
    // Every page, error pages too, and however it came.
    connect(this, &QTextEdit::textChanged, this, &ChmBrowser::followPageColours);
}

void ChmBrowser::followPageColours()
{
    // Comes back here as a change, which sets the same palette and ends there.
    setPalette(coloursForPage(*document(), QApplication::palette(this)));
}

void ChmBrowser::changeEvent(QEvent *event)
{
    QTextBrowser::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) // the desktop may have changed its scheme
        followPageColours();
}

std::optional<QUrl> ChmBrowser::resolve(const QUrl &link) const
{
    if (climbsOut(link.toString(QUrl::FullyEncoded)))
        return std::nullopt;
    const QString scheme = link.scheme().toLower();
    if (scheme == u"ms-its" || scheme == u"mk") {
        // "ms-its:qv.chm::/page.html": only this very file may be named.
        const QString text = link.toString(QUrl::RemoveScheme);
        const qsizetype split = text.indexOf(QLatin1String("::"));
        if (split < 0)
            return std::nullopt;
        QString file = text.left(split);
        file.remove(QStringLiteral("@MSITStore:"), Qt::CaseInsensitive);
        if (QFileInfo(file).fileName().compare(m_fileName, Qt::CaseInsensitive) != 0)
            return std::nullopt;
        return QUrl(QStringLiteral("chm:/") + ChmDirectory::normalizedName(text.mid(split + 2)));
    }
    const QUrl target = source().isEmpty() ? link : source().resolved(link);
    if (target.scheme() != QLatin1String(kScheme))
        return std::nullopt;
    return target;
}

void ChmBrowser::followLink(const QUrl &link)
{
    const QString scheme = link.scheme().toLower();
    if (scheme == u"http" || scheme == u"https" || scheme == u"mailto") {
        m_launcher.openUrl(link.toString());
        return;
    }
    if (const auto target = resolve(link))
        setSource(*target);
}

QVariant ChmBrowser::loadResource(int type, const QUrl &name)
{
    if (!m_archive)
        return {};
    const auto target = resolve(name);
    if (!target)
        return {};
    // The size first: a page too large to show is not even read.
    const auto entry = m_archive->entry(target->path());
    if (type == QTextDocument::HtmlResource && entry
        && entry->length > quint64(PageLimits::kMaxPageBytes))
        return pageError(tr("The page is larger than the limit of %1 KB.")
                             .arg(PageLimits::kMaxPageBytes / 1024));
    const auto data = m_archive->read(target->path());
    if (type == QTextDocument::HtmlResource) {
        if (!data)
            return pageError(tr("The page %1 is not in this help file, or cannot be read from it.")
                                 .arg(target->path()));
        if (const auto breach = PageLimits::breach(*data))
            return pageError(*breach);
        return QString::fromUtf8(*data);
    }
    if (!data)
        return {};
    if (type == QTextDocument::StyleSheetResource)
        return data->size() > PageLimits::kMaxPageBytes ? QString() : QString::fromUtf8(*data);
    return *data;
}

void ChmBrowser::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    QTextBrowser::doSetSource(name, type);
    // A page that comes out as nothing would leave a blank window.
    if (document()->isEmpty() || toPlainText().trimmed().isEmpty())
        setHtml(pageError(tr("The page %1 has nothing to show.").arg(name.path())));
}

QMimeData *ChmBrowser::createMimeDataFromSelection() const
{
    // A copied path must work when pasted: without the glue.
    auto *data = QTextBrowser::createMimeDataFromSelection();
    if (data && data->hasText())
        data->setText(withoutGlue(data->text()));
    if (data && data->hasHtml())
        data->setHtml(withoutGlue(data->html()));
    return data;
}
