#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the type list of the text search: a description ("Tekst"),
// a file pattern ("Type") and whether it is offered in the filter box.
struct Filtype
{
    QString tekst;
    QString type;
    bool afkrydset = true;

    bool operator==(const Filtype &) const = default;
};

// The type list "Filtertyper.txt" and the rules around it.
namespace filtyper {

// The list written when the file is missing or the user asks for it.
QList<Filtype> standardliste();

// File form: three lines per entry (text, pattern, "1" or "0"); a trailing
// incomplete entry is ignored.
QList<Filtype> fraLinjer(const QStringList &linjer);
QStringList tilLinjer(const QList<Filtype> &liste);

// Reads the list; writes the standard list first when the file is missing.
// A file that exists but cannot be read gives the standard list and is
// left as it is.
QList<Filtype> hent(const QString &filnavn);

// What a typed "Type" becomes: "*.*" stays; otherwise "*." and the text
// after its last "." (the whole text when it has none): txt, .txt and
// *.txt give *.txt, a.b.c gives *.c, and "x." gives "*.".
QString typeFraIndtastning(const QString &indtastet);

// The filter box: the checked entries as "Tekst (Type)", in list order.
QStringList filterboks(const QList<Filtype> &liste);
// The pattern of the checked entry at a filter box index; empty for none.
QString moensterVed(const QList<Filtype> &liste, int filterIndeks);
// The filter box index of the first checked entry with this pattern,
// letter case ignored; -1 when there is none.
int filterIndeks(const QList<Filtype> &liste, const QString &moenster);

// Whether a file name matches a pattern with "*" and "?", letter case
// ignored. As the patterns were written for, "*.*" matches every name and a
// pattern that ends in "." matches names without an extension.
bool passer(const QString &moenster, const QString &navn);

} // namespace filtyper
