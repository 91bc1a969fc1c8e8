// SPDX-FileCopyrightText: 2026 Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/Request.h"

#include "letters/Alphabet.h"
#include "letters/Letters.h"
#include "search/Messages.h"

namespace {

// From this many letters on, a run that tries every arrangement asks first.
constexpr qsizetype kConfirmFrom = 9;

} // namespace

CheckedRequest checkRequest(const QString &typed, LetterRule rule)
{
    CheckedRequest request { trimSpaces(typed), std::nullopt };
    const QString title = Messages::text(Messages::kProblemTitle);
    QString strerr;
    const bool valid = rule != LetterRule::AnyLetter
        ? bolValidLetters(request.letters, strerr)
        : validLettersOfAnyAlphabet(request.letters, strerr);
    if (!valid)
        request.refusal
            = MessageRequest { strerr, title, MessageButtons::Ok, MessageIcon::Critical };
    else if (request.letters.isEmpty())
        request.refusal = MessageRequest { Messages::text(Messages::kNoLetters), title,
            MessageButtons::Ok, MessageIcon::Exclamation };
    return request;
}

std::optional<MessageRequest> confirmationFor(qsizetype n)
{
    if (n < kConfirmFrom)
        return std::nullopt;
    return MessageRequest { Messages::text(Messages::kConfirm, n),
        Messages::text(Messages::kConfirmTitle), MessageButtons::YesNo, MessageIcon::None };
}

std::optional<MessageRequest> looseConfirmationFor(qsizetype n, double questions)
{
    double asking = 1; // the arrangements of kConfirmFrom letters
    for (qsizetype k = 2; k <= kConfirmFrom; ++k)
        asking *= static_cast<double>(k);
    if (questions < asking)
        return std::nullopt;
    return MessageRequest { Messages::text(Messages::kConfirm, n),
        Messages::text(Messages::kConfirmTitle), MessageButtons::YesNo, MessageIcon::None };
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
            strerr = Messages::text(Messages::kInvalidCharacter);
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
        strerr = Messages::text(Messages::kInvalidCharacter);
        return false;
    }
    for (const std::string &letter : *split) {
        if (!isAlphabetic(letter)) {
            strerr = Messages::text(Messages::kNotALetter)
                         .arg(QString::fromStdString(describeLetter(letter)));
            return false;
        }
    }
    return true;
}
