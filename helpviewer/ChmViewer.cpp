// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ChmViewer.h"

#include "helpviewer/CodeGlue.h"
#include "helpviewer/PageLimits.h"
#include "helpviewer/ResponsiveLoad.h"
#include "platform/ProgramLauncher.h"

#include <QAction>
#include <QFileInfo>
#include <QHideEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kMinContentsWidth = 150;
constexpr int kMaxContentsWidth = 350;
const QString kGeometryKey = QStringLiteral("HelpViewer/geometry");
const QString kSplitterKey = QStringLiteral("HelpViewer/splitter");

// The page a contents entry or a shown page stands for, the way both are
// compared: its path in the archive, without a #fragment.
QString topicPath(const QUrl &page)
{
    return ChmArchive::normalizedName(page.path());
}

QUrl topicUrl(const QString &local)
{
    return QUrl(QStringLiteral("chm:/") + ChmArchive::normalizedName(local));
}

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

QString unreadableFile(const QString &helpFile, const QString &reason)
{
    return helpErrorPage(QStringLiteral("This help file cannot be shown"),
        QStringLiteral("%1 is not a readable compiled help (CHM) file: %2.")
            .arg(helpFile, reason.isEmpty() ? QStringLiteral("it cannot be read") : reason));
}

QString pageError(const QString &reason)
{
    return helpErrorPage(QStringLiteral("This page cannot be shown"), reason);
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
    connect(this, &QTextBrowser::sourceChanged, this, [this] { keepCodeTogether(*document()); });
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
        return QUrl(QStringLiteral("chm:/") + ChmArchive::normalizedName(text.mid(split + 2)));
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
        return pageError(QStringLiteral("The page is larger than the limit of %1 KB.")
                             .arg(PageLimits::kMaxPageBytes / 1024));
    const auto data = m_archive->read(target->path());
    if (type == QTextDocument::HtmlResource) {
        if (!data)
            return pageError(QStringLiteral("The page %1 is not in this help file, or cannot be "
                                            "read from it.")
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
        setHtml(pageError(QStringLiteral("The page %1 has nothing to show.").arg(name.path())));
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

HelpWindow::HelpWindow(const QString &helpFile, ProgramLauncher &launcher)
{
    m_archive = loadResponsively([this, &helpFile](const std::atomic<bool> &cancel) {
        return ChmArchive::load(helpFile, &m_whyNot, &cancel);
    });
    setObjectName(QStringLiteral("HelpWindow"));
    resize(820, 560);
    const QString fileName = QFileInfo(helpFile).fileName();
    setWindowTitle(m_archive && !m_archive->title().isEmpty() ? m_archive->title() : fileName);

    m_splitter = new QSplitter(this);
    m_contents = new QTreeWidget(m_splitter);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setHeaderHidden(true);
    m_browser = new ChmBrowser(m_archive ? &*m_archive : nullptr, fileName, launcher, m_splitter);
    m_browser->setObjectName(QStringLiteral("page"));
    // A wider or narrower window gives or takes room from the page only.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    QToolBar *bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"),
        m_browser, &QTextBrowser::backward);
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"),
        m_browser, &QTextBrowser::forward);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        m_browser->followLink(topicUrl(item->data(0, kTopicRole).toString()));
    });
    // Only selecting: the tree's activation is what opens a page, so this
    // never comes back here.
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::selectTopic);
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    if (!m_archive) {
        m_contents->hide();
        m_browser->setHtml(unreadableFile(helpFile, m_whyNot));
        restoreLayout();
        return;
    }
    showContents();
    fitContents();
    restoreLayout();
    const QString topic = startTopic();
    if (topic.isEmpty()) {
        m_browser->setHtml(unreadableFile(helpFile, QStringLiteral("it names no start page")));
        return;
    }
    m_browser->setSource(QUrl(QStringLiteral("chm:/") + ChmArchive::normalizedName(topic)));
}

void HelpWindow::showContents()
{
    QString hhc = m_archive->contentsFile();
    if (hhc.isEmpty() || !m_archive->read(hhc)) {
        for (const QString &name : m_archive->names()) {
            if (name.endsWith(QLatin1String(".hhc")))
                hhc = name;
        }
    }
    const auto entry = m_archive->entry(hhc);
    if (!entry || entry->length > quint64(PageLimits::kMaxContentsBytes))
        return;
    const auto file = m_archive->read(hhc);
    if (!file)
        return;
    QList<QTreeWidgetItem *> parents;
    const QList<ContentsEntry> entries = parseContents(QString::fromUtf8(*file));
    for (const ContentsEntry &entry : entries) {
        const qsizetype depth = std::min<qsizetype>(entry.depth, parents.size());
        parents.resize(depth);
        auto *item = parents.isEmpty() ? new QTreeWidgetItem(m_contents)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        item->setData(0, kTopicRole, entry.local);
        item->setData(0, kDepthRole, int(depth));
        const QString topic = topicPath(topicUrl(entry.local));
        if (!entry.local.isEmpty() && !m_topics.contains(topic))
            m_topics.insert(topic, item); // a page named twice selects its first entry
        parents.append(item);
    }
    if (entries.size() >= kMaxContentsEntries) {
        auto *rest = new QTreeWidgetItem(m_contents);
        rest->setText(
            0, tr("(The rest is left out: more than %1 lines.)").arg(kMaxContentsEntries));
        rest->setFlags(Qt::NoItemFlags);
    }
    m_contents->expandAll();
}

HelpWindow::~HelpWindow()
{
    // Deleted while shown: hiding did not save it.
    if (isVisible())
        saveLayout();
}

// Escape, the window's own close button and the end of the program (which
// hides every window) all come here.
void HelpWindow::hideEvent(QHideEvent *event)
{
    saveLayout();
    QMainWindow::hideEvent(event);
}

// As wide as the longest entry with its indentation (the entries are
// capped in number), within reason; the splitter lets the reader change it.
void HelpWindow::fitContents()
{
    const QFontMetrics metrics = m_contents->fontMetrics();
    const int textMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    int widest = 0;
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        // Each level is one indentation in, the top one too (its sign).
        const int depth = (*it)->data(0, kDepthRole).toInt() + 1;
        widest = std::max(
            widest, depth * m_contents->indentation() + metrics.horizontalAdvance((*it)->text(0)));
    }
    const int scrollBar = m_contents->verticalScrollBar()->sizeHint().width();
    const int wanted = widest + textMargin + 2 * m_contents->frameWidth() + scrollBar;
    const int width = std::clamp(wanted, kMinContentsWidth, kMaxContentsWidth);
    m_splitter->setSizes({ width, std::max(this->width() - width, 1) });
}

void HelpWindow::selectTopic(const QUrl &page)
{
    QTreeWidgetItem *item = m_topics.value(topicPath(page));
    m_contents->setCurrentItem(item);
    if (item)
        m_contents->scrollToItem(item);
    else
        m_contents->clearSelection();
}

void HelpWindow::restoreLayout()
{
    const QSettings settings;
    restoreGeometry(settings.value(kGeometryKey).toByteArray());
    m_splitter->restoreState(settings.value(kSplitterKey).toByteArray());
}

void HelpWindow::saveLayout() const
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_splitter->saveState());
}

QString HelpWindow::startTopic() const
{
    if (!m_archive->defaultTopic().isEmpty())
        return m_archive->defaultTopic();
    if (m_contents->topLevelItemCount() > 0)
        return m_contents->topLevelItem(0)->data(0, kTopicRole).toString();
    return {};
}

ChmHelpViewer::ChmHelpViewer(ProgramLauncher &launcher)
    : m_launcher(launcher)
{
}

ChmHelpViewer::~ChmHelpViewer()
{
    for (const auto &window : std::as_const(m_windows))
        delete window.data();
}

void ChmHelpViewer::displayTopic(QWidget *, const QString &helpFile)
{
    const QString key = QFileInfo(helpFile).absoluteFilePath();
    // The window reads its file while events go on, and one of them may ask
    // for the same file again: that asking waits for the first.
    if (m_opening.contains(key))
        return;
    QPointer<HelpWindow> window = m_windows.value(key);
    // A file that could not be read may have been mended since.
    if (window && !window->isReadable() && !window->isVisible())
        delete window.data();
    // Not owned by the caller: the viewer stands beside the main window.
    if (!window) {
        m_opening.insert(key);
        window = new HelpWindow(helpFile, m_launcher);
        m_opening.remove(key);
        m_windows.insert(key, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

HelpWindow *ChmHelpViewer::window(const QString &helpFile) const
{
    return m_windows.value(QFileInfo(helpFile).absoluteFilePath());
}
