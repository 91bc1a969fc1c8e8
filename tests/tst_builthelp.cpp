// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help files the build makes, in English and each translation, as the
// viewer reads and shows them.
#include "chmreader/ChmArchive.h"
#include "chmreader/ContentsParser.h"
#include "chmreader/HtmlTokenizer.h"
#include "helpviewer/ChmViewer.h"
#include "tests/support/RecordingLauncher.h"

#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <optional>

namespace {

// A built help file read as the viewer reads it: its pages by name, and the
// names of what their links and contents entries point to.
struct BuiltHelp {
    std::optional<ChmArchive> archive;
    QMap<QString, QString> pages; // name -> text

    explicit BuiltHelp(const QString &path)
        : archive(ChmArchive::load(path))
    {
        if (!archive)
            return;
        for (const QString &name : archive->names()) {
            if (name.endsWith(u".html"))
                pages.insert(name, QString::fromUtf8(archive->read(name).value_or("")));
        }
    }
    [[nodiscard]] QString title(const QString &page) const
    {
        const QString &text = pages.value(page);
        const qsizetype from = text.indexOf(u"<title>"), to = text.indexOf(u"</title>");
        return from < 0 || to < from ? QString() : text.sliced(from + 7, to - from - 7).trimmed();
    }
    // The ids and anchor names in a page.
    [[nodiscard]] QStringList anchors(const QString &page) const
    {
        QStringList found;
        const QString &text = pages.value(page);
        HtmlTokenizer tags(text);
        while (const auto tag = tags.next()) {
            for (const auto &[name, value] : tag->attributes) {
                if (name.compare(u"id", Qt::CaseInsensitive) == 0
                    || (name.compare(u"name", Qt::CaseInsensitive) == 0
                        && tag->name.compare(u"a", Qt::CaseInsensitive) == 0))
                    found.append(value.toString());
            }
        }
        return found;
    }
    // What a link in a page, or a contents entry, does not find in the file;
    // empty when it does, and for links that leave the file on purpose.
    [[nodiscard]] QString missing(const QString &link) const
    {
        if (link.startsWith(u"http://") || link.startsWith(u"https://")
            || link.startsWith(u"mailto:"))
            return {};
        const qsizetype hash = link.indexOf(u'#');
        const QString target = ChmDirectory::normalizedName(link.left(hash));
        if (!archive->entry(target))
            return link;
        if (hash >= 0 && !anchors(target).contains(link.sliced(hash + 1)))
            return link;
        return {};
    }
};

} // namespace

class TestBuiltHelp : public QObject {
    Q_OBJECT

private slots:
    // The viewer keeps its place and sizes in settings of the test's own,
    // none of them left from another test.
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QCoreApplication::setOrganizationName("Quorvel tests");
    }
    void init() { QSettings().clear(); }

    // Each built help file, the English one and every translation: the same
    // pages, each with a title, translated ones in their own language, and
    // every link, picture, style sheet and contents or index entry found in
    // the same file.
    void builtPagesInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString &language : QStringLiteral(QUORVEL_HELP_LANGUAGES).split(u' '))
            QTest::newRow(qPrintable(language)) << language;
    }
    void builtPagesInEachLanguage()
    {
        QFETCH(QString, language);
        const QString folder = QStringLiteral(QUORVEL_HELP_FOLDER);
        const BuiltHelp english(folder + "/qv.chm");
        const BuiltHelp help(folder + (language.isEmpty() ? "" : "/" + language) + "/qv.chm");
        QVERIFY(english.archive && help.archive);
        QVERIFY(!help.archive->title().isEmpty());
        QVERIFY(english.pages.size() > 5);
        QCOMPARE(help.pages.keys(), english.pages.keys());
        QStringList wrong;
        for (const QString &page : help.pages.keys()) {
            const QString title = help.title(page);
            if (title.isEmpty())
                wrong.append(page + ": no title");
            if (!language.isEmpty() && title == english.title(page))
                wrong.append(page + ": the English title");
            HtmlTokenizer tags(help.pages.value(page));
            while (const auto tag = tags.next()) {
                for (const auto &[name, value] : tag->attributes) {
                    const QString what = tag->name.toString().toLower() + ' ' + name.toString();
                    if (what == u"html lang" && value != language)
                        wrong.append(page + ": lang=" + value.toString());
                    if (what == u"a href" || what == u"img src" || what == u"link href") {
                        if (const QString lost = help.missing(value.toString()); !lost.isEmpty())
                            wrong.append(page + ": " + lost);
                    }
                }
            }
        }
        // The contents and the index: every entry leads to a page.
        for (const QString &list : { QStringLiteral("qv.hhc"), QStringLiteral("qv.hhk") }) {
            const QString text = QString::fromUtf8(help.archive->read(list).value_or(""));
            const QList<ContentsEntry> entries = parseContents(text);
            if (entries.size() < 10)
                wrong.append(list + ": " + QString::number(entries.size()) + " entries");
            for (const ContentsEntry &entry : entries) {
                if (entry.name.isEmpty() || !help.missing(entry.local).isEmpty()
                    || !entry.local.endsWith(u".html"))
                    wrong.append(list + ": " + entry.name + " -> " + entry.local);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // As each help file first opens, every contents entry fits the pane the
    // viewer gives the contents: translated titles are longer.
    void builtContentsFitTheirPane_data() { builtPagesInEachLanguage_data(); }
    void builtContentsFitTheirPane()
    {
        QFETCH(QString, language);
        const QString folder = QStringLiteral(QUORVEL_HELP_FOLDER);
        RecordingLauncher launcher;
        HelpWindow window(
            folder + (language.isEmpty() ? "" : "/" + language) + "/qv.chm", launcher);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QTreeWidget *tree = window.contents();
        QStringList cut;
        for (QTreeWidgetItemIterator item(window.contents()); *item; ++item) {
            const QString text = (*item)->text(0);
            if (tree->visualItemRect(*item).x() + tree->fontMetrics().horizontalAdvance(text)
                > tree->viewport()->width())
                cut.append(text);
        }
        QVERIFY(tree->topLevelItemCount() > 0);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

private:
    QTemporaryDir m_settings;
};

QTEST_MAIN(TestBuiltHelp)
#include "tst_builthelp.moc"
