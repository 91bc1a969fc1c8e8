// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Request.h"

#include "letters/Alphabet.h"
#include "letters/Letters.h"
#include "search/Messages.h"

#include <QCoreApplication>

namespace {

// From this many letters on, a run that tries every arrangement asks first.
constexpr qsizetype kConfirmFrom = 9;

} // namespace

CheckedRequest checkRequest(const QString &typed, LetterRule rule)
{
    CheckedRequest request { trimSpaces(typed), std::nullopt };
    const QString title = QString::fromLatin1(Messages::kProblemTitle);
    QString strerr;
    const bool valid = rule == LetterRule::LatinAZ
        ? bolValidLetters(request.letters, strerr)
        : validLettersOfAnyAlphabet(request.letters, strerr);
    if (!valid)
        request.refusal
            = MessageRequest { strerr, title, MessageButtons::Ok, MessageIcon::Critical };
    else if (request.letters.isEmpty())
        request.refusal = MessageRequest { QString::fromLatin1(Messages::kNoLetters), title,
            MessageButtons::Ok, MessageIcon::Exclamation };
    return request;
}

std::optional<MessageRequest> confirmationFor(qsizetype n)
{
    if (n < kConfirmFrom)
        return std::nullopt;
    return MessageRequest { QLatin1String(Messages::kConfirmBefore) + QString::number(n)
            + QLatin1String(Messages::kConfirmAfter),
        QString::fromLatin1(Messages::kConfirmTitle), MessageButtons::YesNo, MessageIcon::None };
}

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

bool bolValidLetters(const QString &letters, QString &strerr)
{
    // The character itself is tested, not its upper-case form: Unicode maps
    // the dotless i and the long s to I and S, which are no letters to spell with.
    for (const QChar c : letters) {
        const char16_t code = c.unicode();
        if (!((code >= u'A' && code <= u'Z') || (code >= u'a' && code <= u'z'))) {
            strerr = QString::fromLatin1(Messages::kInvalidCharacter);
            return false;
        }
    }
    return true;
}

bool validLettersOfAnyAlphabet(const QString &letters, QString &strerr)
{
    // A QString holds no broken UTF-8, but may hold a lone surrogate, which
    // comes out as a replacement character: refused below as no letter.
    const auto split = splitLetters(letters.toStdString());
    if (!split) {
        strerr = QString::fromLatin1(Messages::kInvalidCharacter);
        return false;
    }
    for (const std::string &letter : *split) {
        if (!isAlphabetic(letter)) {
            strerr = QCoreApplication::translate("Request",
                "You entered an invalid character: %1.  Please only enter letters (no spaces, "
                "punctuation marks, numbers or symbols).")
                         .arg(QString::fromStdString(describeLetter(letter)));
            return false;
        }
    }
    return true;
}
