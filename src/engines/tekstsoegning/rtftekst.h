#pragma once

#include <QByteArray>
#include <QString>

// The visible text of a rich-text (RTF) file, as a rich-text control shows
// it: groups that are not text (font and colour tables, style sheets,
// document information, pictures, headers and footers, and every group
// marked "\*") are left out; "\'hh" is decoded in the document's code page
// ("\ansicpgN", Windows-1252 when none is given); "\uN" gives its
// character and skips the "\ucN" fallback characters that follow it;
// "\par", "\line", "\page" and "\row" end a line, "\tab" and "\cell" give
// a tab; "\~", "\-", "\_" and the typographic words give their characters;
// "\{", "\}" and "\\" are plain text.
namespace rtftekst {

// A rich-text file begins with "{\rtf".
bool erRtf(const QByteArray &data);

QString synligTekst(const QByteArray &rtf);

} // namespace rtftekst
