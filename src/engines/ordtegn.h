#pragma once

#include <QChar>

// The characters a word is made of, for every "whole words only" search of
// the program: letters, digits and the underscore. An occurrence is a whole
// word when the characters beside it are not word characters; a search
// text that begins or ends with another character needs no boundary on
// that side.
inline bool erOrdtegn(char32_t c)
{
    return c == U'_' || QChar::isLetterOrNumber(c);
}
