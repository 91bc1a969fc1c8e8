#pragma once

#include <QString>

// Removes leading and trailing blanks (the space character only: a tab or an
// inner space stays and makes the input invalid).
[[nodiscard]] QString trimSpaces(const QString &text);

// True when every character is one of the 26 Latin letters, in either case;
// otherwise strerr gets the message for the user. The empty text passes.
[[nodiscard]] bool bolValidLetters(const QString &letters, QString &strerr);
