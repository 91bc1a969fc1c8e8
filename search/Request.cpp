#include "search/Request.h"

#include "search/Messages.h"

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
