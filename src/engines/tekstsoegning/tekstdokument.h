#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Linjebryder;
class Tekstmatcher;

// One row of the result list: an occurrence of the search text.
struct FundRaekke
{
    QString dokument;    // the document's full path
    qint64 position = 0; // characters before the occurrence, as the text control counts them
    QString tekst;       // the wrapped line that holds it
};

// A document's text as valid UTF-8. Plain UTF-8 (with or without a
// byte-order mark) is used where it lies; everything else is converted:
// rich text to its visible text, UTF-16 by its byte-order mark, and bytes
// that are not UTF-8 as Windows-1252.
class Dokumenttekst
{
public:
    enum class Utf8 { Ukendt, Gyldig, Ugyldig };

    // `utf8` tells what a reader already found out about the bytes after a
    // UTF-8 byte-order mark (see laesDokument).
    explicit Dokumenttekst(const QByteArray &fil, Utf8 utf8 = Utf8::Ukendt);

    const char *data() const { return m_data; }
    qsizetype size() const { return m_laengde; }

private:
    QByteArray m_omsat;
    const char *m_data = nullptr;
    qsizetype m_laengde = 0;
};

// Reads a document whole, and checks it for UTF-8 on the way.
enum class Laesning { Ok, Ulaeselig, ForStor };
Laesning laesDokument(const QString &sti, qint64 maksStoerrelse, QByteArray &indhold, Dokumenttekst::Utf8 &utf8);

// Appends a row to `ud` for every occurrence in the text, by increasing
// position. Only the paragraphs that hold a hit are decoded and laid out.
void soegIDokument(const Dokumenttekst &tekst, const Tekstmatcher &matcher, Linjebryder &bryder,
                   const QString &dokument, QList<FundRaekke> &ud);
