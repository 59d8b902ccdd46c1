#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The calendar's date arithmetic: Easter and the Danish holiday rows, the
// Danish month and weekday names, the date text that names note files, the
// date folder's names, the rule that turns a typed field into a number and
// the texts of a date difference. Pure functions; nothing here touches the
// disk.
namespace kalenderdatoer {

// The dates a calendar accepts.
QDate foersteDato();   // 1 January of year 1
QDate sidsteDato();    // 31 December 9999

// "Januar" … "December" for 1 … 12; empty outside.
QString maanedsnavn(int maaned);
// "Mandag" … "Søndag" for the date's weekday.
QString ugedagsnavn(const QDate &dato);

// The date text of a day: dd-MM-yyyy whatever the locale, so note files
// keep their names when the system's formats change.
QString datotekst(const QDate &dato);
// A date text back to a date; invalid for anything that is not a real day
// within foersteDato()..sidsteDato(). One or two digits for day and month
// are accepted ("5-3-2014"), as the date fields show them.
QDate fraDatotekst(const QString &tekst);

// A typed field as an integer: only the digits 0–9 count, none gives 0, and
// a text that begins with "-" gives the negated value. Digits beyond what an
// int holds saturate rather than wrap.
int rensTal(const QString &tekst);

// The date a calendar on `aktuel` shows after "Opdater" with the cleaned
// fields. A complete, valid date goes there at once. Otherwise each value is
// applied on its own, day, month, year in that order, and ignored when it
// does not fit: a day of 0 or less or beyond the current month, a month
// outside 1–12, a year outside the calendar's range. A month or year change
// on a day the target month lacks ends on that month's last day.
QDate anvendFelter(const QDate &aktuel, int dag, int maaned, int aar);

// One month or year forward (positive) or back, ending on the target month's
// last day when it lacks the day. A step that would leave the calendar's
// range gives the date back unchanged.
QDate flytMaaneder(const QDate &dato, int antal);
QDate flytAar(const QDate &dato, int antal);

// Easter Sunday of a Gregorian year by Gauss's rule.
struct Paaske
{
    int dag = 0;
    int maaned = 0;   // 3 or 4
};
Paaske beregnPaaskeS(int aar);
QDate paaskedag(int aar);

// The years the holiday finder computes.
constexpr int mindsteAar = 1;
constexpr int stoersteAar = 9999;

// One row of the holiday finder: the caption, the date text and a hint for
// the row (empty when it has none).
struct Helligdag
{
    QString caption;
    QString dato;
    QString hint;
};
// The twelve rows before any year is computed: "?" for the moving holidays,
// the fixed dates without weekday.
QList<Helligdag> startraekker();
// The twelve rows for a year within mindsteAar..stoersteAar.
QList<Helligdag> findDatoer(int aar);

// The date folder of a day below the calendar folder: the year, "MM
// Månedsnavn" and "dd Ugedag".
QString aarsmappe(const QDate &dato);
QString maanedsmappe(const QDate &dato);
QString dagsmappe(const QDate &dato);

// The result texts of a date difference from the four numbers, as the
// result file holds them: "0 år, 1 måned samt 1 dag." and "31 dage ialt.".
QString forskelTekst(const QString &aar, const QString &maaneder, const QString &dage);
QString dageIaltTekst(const QString &dage);

} // namespace kalenderdatoer
