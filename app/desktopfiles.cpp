// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-desktopfiles CATALOGUES DESKTOP METAINFO OUT_DESKTOP OUT_METAINFO:
// writes the desktop entry and the AppStream metadata with their texts in
// every language the programs' catalogues (CATALOGUES/quorvel_*.qm) have, so
// that the menus and software centres speak the language the window does.
#include "translations/Language.h"

#include <QList>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

// The English texts of both files, as the catalogues hold them. A text of a
// file that is not here stops the build: it would go out untranslated.
constexpr const char *kTexts[] = {
    QT_TRANSLATE_NOOP("DesktopEntry", "Letter Jumble Solver"),
    QT_TRANSLATE_NOOP(
        "DesktopEntry", "Find every word that can be made from all of a set of jumbled letters"),
    // Search words of the desktop's menus, each ending in ";".
    QT_TRANSLATE_NOOP("DesktopEntry", "anagram;jumble;word;puzzle;"),
    QT_TRANSLATE_NOOP("DesktopEntry",
        "Quorvel solves letter jumbles. Type the jumbled letters and it lists every word made of "
        "all of them, each once. Most dictionaries answer at once, however many letters are "
        "typed."),
    QT_TRANSLATE_NOOP("DesktopEntry",
        "It carries no word list of its own: it uses the Hunspell dictionary of your language "
        "and the letter case you type, so a capital finds the names and nouns that are written "
        "with one."),
    QT_TRANSLATE_NOOP("DesktopEntry", "The letters tca give the words cat and act"),
};

struct Catalogue {
    QString language;
    std::unique_ptr<QTranslator> translator;
};

class Translations {
public:
    bool load(const QString &folder)
    {
        for (const QString &language : InterfaceLanguage::available({ folder })) {
            if (language == QLatin1String(InterfaceLanguage::kEnglish))
                continue;
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(QStringLiteral("quorvel_") + language, folder))
                return fail(QStringLiteral("cannot read the catalogue of ") + language);
            m_catalogues.push_back({ language, std::move(translator) });
        }
        return !m_catalogues.empty() || fail(QStringLiteral("no catalogues in ") + folder);
    }

    // Each language's text for english; false (and the reason told) if a
    // catalogue lacks it.
    bool translate(const QString &english,
        const std::function<void(const QString &language, const QString &text)> &write) const
    {
        const QByteArray source = english.toUtf8();
        if (std::ranges::none_of(kTexts, [&source](const char *text) { return source == text; }))
            return fail(QStringLiteral("not among the texts to translate: ") + english);
        for (const Catalogue &catalogue : m_catalogues) {
            const QString text
                = catalogue.translator->translate("DesktopEntry", source.constData());
            if (text.isEmpty())
                return fail(
                    catalogue.language + QStringLiteral(" has no translation of: ") + english);
            write(catalogue.language, text);
        }
        return true;
    }

    static bool fail(const QString &why)
    {
        std::fprintf(stderr, "quorvel-desktopfiles: %s\n", qPrintable(why));
        return false;
    }

private:
    std::vector<Catalogue> m_catalogues;
};

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

// Key[de]=... after each Key=... the translations name.
std::optional<QByteArray> desktopEntry(const QByteArray &english, const Translations &translations)
{
    static const QRegularExpression translated(
        QStringLiteral("^(GenericName|Comment|Keywords)=(.+)$"));
    QByteArray out;
    QList<QByteArray> lines = english.split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (const QByteArray &line : std::as_const(lines)) {
        out += line + '\n';
        const auto match = translated.match(QString::fromUtf8(line));
        if (!match.hasMatch())
            continue;
        const bool ok = translations.translate(
            match.captured(2), [&out, &match](const QString &language, const QString &text) {
                out += QStringLiteral("%1[%2]=%3\n")
                           .arg(match.captured(1), language, text)
                           .toUtf8();
            });
        if (!ok)
            return std::nullopt;
    }
    return out;
}

// The same element with xml:lang after each summary, paragraph and caption.
std::optional<QByteArray> metainfo(const QByteArray &english, const Translations &translations)
{
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    QXmlStreamReader in(english);
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    while (!in.atEnd()) {
        in.readNext();
        const auto name = in.name().toString();
        if (in.isStartElement()
            && (name == QLatin1String("summary") || name == QLatin1String("p")
                || name == QLatin1String("caption"))) {
            const QString text
                = in.readElementText().replace(spaces, QStringLiteral(" ")).trimmed();
            writer.writeTextElement(name, text);
            const bool ok = translations.translate(
                text, [&writer, &name](const QString &language, const QString &translatedText) {
                    writer.writeStartElement(name);
                    writer.writeAttribute(QStringLiteral("xml:lang"), language);
                    writer.writeCharacters(translatedText);
                    writer.writeEndElement();
                });
            if (!ok)
                return std::nullopt;
        } else if (in.isStartDocument()) {
            writer.writeStartDocument();
        } else if (in.isStartElement()) {
            writer.writeStartElement(name);
            writer.writeAttributes(in.attributes());
        } else if (in.isEndElement()) {
            writer.writeEndElement();
        } else if (in.isCharacters() && !in.isWhitespace()) {
            writer.writeCharacters(in.text().toString());
        } else if (in.isComment()) {
            writer.writeComment(in.text().toString());
        }
    }
    if (in.hasError()) {
        Translations::fail(in.errorString());
        return std::nullopt;
    }
    writer.writeEndDocument();
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 6) {
        std::fprintf(stderr,
            "usage: quorvel-desktopfiles CATALOGUES DESKTOP METAINFO OUT_DESKTOP OUT_METAINFO\n");
        return 2;
    }
    Translations translations;
    if (!translations.load(arguments[1]))
        return 1;
    const auto desktop = readAll(arguments[2]);
    const auto component = readAll(arguments[3]);
    if (!desktop || !component) {
        Translations::fail(QStringLiteral("cannot read the English files"));
        return 1;
    }
    const auto translatedDesktop = desktopEntry(*desktop, translations);
    const auto translatedComponent = metainfo(*component, translations);
    if (!translatedDesktop || !translatedComponent)
        return 1;
    if (!writeAll(arguments[4], *translatedDesktop)
        || !writeAll(arguments[5], *translatedComponent)) {
        Translations::fail(QStringLiteral("cannot write the files"));
        return 1;
    }
    return 0;
}
