// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spelling/DictionaryCheck.h"

#include "fileio/BoundedFile.h"
#include "hunspellfiles/AffixLines.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <unicode/ucnv.h>

namespace DictionaryCheck {

namespace {

std::string upper(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

// The converter name Nuspell asks ICU for: its own spellings mapped as it
// maps them ("UTF8", "microsoft-cp1251"); no SET means ISO8859-1.
std::string nuspellEncodingName(const std::string &encoding)
{
    std::string name = upper(encoding);
    if (name.empty())
        return "ISO8859-1";
    if (name == "UTF8")
        return "UTF-8";
    if (name.starts_with("MICROSOFT-"))
        name.erase(0, 10);
    return name;
}

bool convertible(const std::string &encoding)
{
    UErrorCode error = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(encoding.c_str(), &error);
    if (converter)
        ucnv_close(converter);
    return U_SUCCESS(error) && converter;
}

// The files are lines of bytes with ASCII keywords: UTF-16 and the like
// cannot be what they are written in, whatever SET says.
bool readsAsciiAsIs(const std::string &encoding)
{
    const std::string sample = "SET FLAG TRY abcxyz ABCXYZ 0129/\t";
    std::string out(sample.size() * 4 + 4, '\0');
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length
        = ucnv_convert("UTF-8", encoding.c_str(), out.data(), static_cast<int32_t>(out.size()),
            sample.data(), static_cast<int32_t>(sample.size()), &error);
    return U_SUCCESS(error)
        && std::string_view(out.data(), static_cast<std::size_t>(length)) == sample;
}

// Why a dictionary's file cannot be read, in the user's language.
QString refusalText(const FileRefusal &refusal)
{
    const char *reason = QT_TRANSLATE_NOOP("DictionaryCheck", "it cannot be read");
    bool systemSaid = true;
    switch (refusal.kind) {
    case FileRefusal::Kind::Missing:
        reason = QT_TRANSLATE_NOOP("DictionaryCheck", "it does not exist");
        break;
    case FileRefusal::Kind::CannotOpen:
        reason = QT_TRANSLATE_NOOP("DictionaryCheck", "it cannot be opened");
        break;
    case FileRefusal::Kind::NotRegular:
        reason = QT_TRANSLATE_NOOP("DictionaryCheck", "it is not a regular file");
        systemSaid = false;
        break;
    case FileRefusal::Kind::TooLarge:
        reason = QT_TRANSLATE_NOOP("DictionaryCheck", "it is larger than the program reads");
        systemSaid = false;
        break;
    case FileRefusal::Kind::ReadFailed:
        break;
    case FileRefusal::Kind::Cancelled:
        reason = QT_TRANSLATE_NOOP("DictionaryCheck", "its reading was cancelled");
        systemSaid = false;
        break;
    }
    QString text = QCoreApplication::translate("DictionaryCheck", reason);
    // The system's own words, in the language of the C library's locale.
    if (systemSaid && refusal.error != 0)
        text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(refusal.error)));
    return text;
}

std::string said(const char *source, const std::string &argument)
{
    return QCoreApplication::translate("DictionaryCheck", source)
        .arg(QString::fromStdString(argument))
        .toStdString();
}

} // namespace

Report inspect(const std::filesystem::path &base)
{
    Report report;
    const auto affix = readBounded(base.string() + ".aff", { .maxBytes = kMaxAffixFileSize });
    // The whole word list is loaded by the engines, so its size counts,
    // though nothing of it is read here.
    const auto words = stampOf(base.string() + ".dic");
    for (const auto &[file, refusal] : { std::pair(".aff", std::get_if<FileRefusal>(&affix)),
             std::pair(".dic", std::get_if<FileRefusal>(&words)) }) {
        if (refusal) {
            report.refusal
                = QCoreApplication::translate("DictionaryCheck", "%1: %2")
                      .arg(QString::fromStdString(base.string() + file), refusalText(*refusal))
                      .toStdString();
            return report;
        }
    }
    if (std::get<FileStamp>(words).size > kMaxWordListSize) {
        report.refusal
            = said(QT_TRANSLATE_NOOP("DictionaryCheck", "%1.dic is larger than the program reads"),
                base.string());
        return report;
    }
    // Nuspell reads keywords in any case ("sET") and acts on every SET line,
    // so each one is looked at: one it cannot convert is enough to crash it.
    std::string encoding;
    std::optional<std::string> unconvertible;
    forEachLine(
        std::get<FileBytes>(affix).bytes, std::string_view::npos, [&](std::string_view line) {
            const AffixLine split = splitAffixLine(line, Dialect::Nuspell);
            if (split.keyword == "SET" && split.words.size() > 1) {
                if (encoding.empty())
                    encoding = split.words[1];
                if (!unconvertible
                    && !convertible(nuspellEncodingName(std::string(split.words[1]))))
                    unconvertible = split.words[1];
            }
            return true;
        });
    const std::string converter = nuspellEncodingName(encoding);
    if (unconvertible || !convertible(converter))
        report.nuspellRefusal = said(QT_TRANSLATE_NOOP("DictionaryCheck",
                                         "SET %1 names an encoding that cannot be converted"),
            unconvertible.value_or(encoding));
    else if (!readsAsciiAsIs(converter))
        report.refusal = said(QT_TRANSLATE_NOOP("DictionaryCheck",
                                  "SET %1 is no encoding a dictionary file can be in"),
            encoding);
    return report;
}

} // namespace DictionaryCheck
