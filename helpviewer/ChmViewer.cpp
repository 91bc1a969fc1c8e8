// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpviewer/ChmViewer.h"

#include "chmreader/ContentsParser.h"
#include "chmreader/PageLimits.h"
#include "helpviewer/ResponsiveLoad.h"
#include "platform/ProgramLauncher.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr int kMinContentsWidth = 150;
constexpr int kMaxContentsWidth = 350;
const QString kGeometryKey = QStringLiteral("HelpViewer/geometry");
const QString kSplitterKey = QStringLiteral("HelpViewer/splitter");

// The page a contents entry or a shown page stands for, the way both are
// compared: its path in the archive, without a #fragment.
QString topicPath(const QUrl &page)
{
    return ChmDirectory::normalizedName(page.path());
}

QUrl topicUrl(const QString &local)
{
    return QUrl(QStringLiteral("chm:/") + ChmDirectory::normalizedName(local));
}

QString unreadableFile(const QString &helpFile, const QString &reason)
{
    return helpErrorPage(HelpWindow::tr("This help file cannot be shown"),
        HelpWindow::tr("%1 is not a readable compiled help (CHM) file: %2.")
            .arg(helpFile, reason.isEmpty() ? HelpWindow::tr("it cannot be read") : reason));
}

} // namespace

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
    // Every entry whole: a pane narrower than the longest one scrolls sideways.
    m_contents->header()->setStretchLastSection(false);
    m_contents->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
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
        m_browser->setHtml(unreadableFile(helpFile, tr("it names no start page")));
        return;
    }
    m_browser->setSource(QUrl(QStringLiteral("chm:/") + ChmDirectory::normalizedName(topic)));
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
// capped in number), within reason and never more than two fifths of the
// window; the splitter lets the reader change it.
void HelpWindow::fitContents()
{
    const QAbstractItemView &view = *m_contents; // its widest entry, indentation and all
    const int wanted = view.sizeHintForColumn(0) + 2 * m_contents->frameWidth()
        + m_contents->verticalScrollBar()->sizeHint().width();
    const int widest = std::max(kMinContentsWidth, std::min(kMaxContentsWidth, width() * 2 / 5));
    const int contents = std::clamp(wanted, kMinContentsWidth, widest);
    m_splitter->setSizes({ contents, std::max(width() - contents, 1) });
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
    m_placed = restoreGeometry(settings.value(kGeometryKey).toByteArray());
    m_splitKept = m_splitter->restoreState(settings.value(kSplitterKey).toByteArray());
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

// The window's frame around it: known once it has been shown, until then a
// title bar and a border on each side, so that the frame is not left out.
QMargins HelpWindow::frameMargins() const
{
    const QRect inner = geometry(), outer = frameGeometry();
    if (inner != outer)
        return { inner.left() - outer.left(), inner.top() - outer.top(),
            outer.right() - inner.right(), outer.bottom() - inner.bottom() };
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    return { border, title + border, border, border };
}

// Where it was last, if that is on a screen, or else centred on the screen
// of the window that asked for help; either way frame and all inside the
// available area of that screen. A default size larger than the screen at
// a large scale, or a place kept from a larger screen, would otherwise put
// the title bar or the close button out of reach.
void HelpWindow::placeOnScreen(QScreen *callerScreen)
{
    QScreen *screen = m_placed ? QGuiApplication::screenAt(frameGeometry().center()) : nullptr;
    if (!screen)
        screen = callerScreen ? callerScreen : QGuiApplication::primaryScreen();
    setScreen(screen);
    const QRect available = screen->availableGeometry();
    const QMargins frame = frameMargins();
    const QSize fitting = size().boundedTo(available.marginsRemoved(frame).size());
    // Fitted to the size it first opens at, or afresh when it must shrink
    // to fit this screen; otherwise the reader's split stays.
    if (!std::exchange(m_splitKept, true) || fitting != size()) {
        resize(fitting);
        fitContents();
    }
    const QSize outer = size().grownBy(frame);
    // Qt places a window by the corner of its frame.
    QPoint corner
        = m_placed ? pos() : available.center() - QPoint(outer.width(), outer.height()) / 2;
    corner.setX(std::clamp(corner.x(), available.left(), available.right() + 1 - outer.width()));
    corner.setY(std::clamp(corner.y(), available.top(), available.bottom() + 1 - outer.height()));
    move(corner);
    m_placed = true;
}

void ChmHelpViewer::displayTopic(QWidget *caller, const QString &helpFile)
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
    if (!window->isVisible())
        window->placeOnScreen(caller ? caller->screen() : nullptr);
    window->show();
    window->raise();
    window->activateWindow();
}

HelpWindow *ChmHelpViewer::window(const QString &helpFile) const
{
    return m_windows.value(QFileInfo(helpFile).absoluteFilePath());
}
