#include "engines/kalender/kalenderdatoer.h"

#include <QStringList>

#include <limits>

namespace kalenderdatoer {

namespace {

const char *const maanedsnavne[] = {"Januar", "Februar", "Marts",     "April",   "Maj",      "Juni",
                                    "Juli",   "August",  "September", "Oktober", "November", "December"};
const char *const ugedagsnavne[] = {"Mandag", "Tirsdag", "Onsdag", "Torsdag", "Fredag", "Lørdag", "Søndag"};

QString toCifre(int tal)
{
    return QStringLiteral("%1").arg(tal, 2, 10, QLatin1Char('0'));
}

bool iOmraade(const QDate &dato)
{
    return dato.isValid() && dato >= foersteDato() && dato <= sidsteDato();
}

// The same day in another month, or that month's last day when it is shorter.
QDate sammeDagI(int aar, int maaned, int dag)
{
    const int laengde = QDate(aar, maaned, 1).daysInMonth();
    return QDate(aar, maaned, qMin(dag, laengde));
}

// The moving holidays: caption and days after Easter Sunday.
const struct
{
    const char *caption;
    int dage;
} bevaegelige[] = {
    {"Skærtorsdag:", -3},    {"Langfredag:", -2},           {"Påskedag:", 0}, {"Anden påskedag:", 1},
    {"Store bededag:", 26},  {"Kristi himmelfartsdag: ", 39}, {"Pinsedag:", 49}, {"2. pinsedag:", 50},
};

// The fixed ones: caption, day and month, and whether the date lies in the
// following year.
const struct
{
    const char *caption;
    const char *dagOgMaaned;
    int dag;
    int maaned;
    int naesteAar;
} faste[] = {
    {"Juleaften:", "24. December", 24, 12, 0},
    {"1. Juledag:", "25. December", 25, 12, 0},
    {"2. juledag:", "26. December", 26, 12, 0},
    {"Nytårsdag:", "01. Januar", 1, 1, 1},
};

constexpr int storeBededag = 4;   // its row among the moving holidays

// Holy Thursday and Good Friday name their month without the extra blank
// the later rows have.
QString bevaegeligTekst(int raekke, const QDate &dato)
{
    const QString dag = QString::number(dato.day());
    const QString ugedag = ugedagsnavn(dato) + QLatin1Char(' ');
    if (raekke < 2)
        return dag + (dato.month() == 3 ? QStringLiteral(". Marts - ") : QStringLiteral(". April - ")) + ugedag;
    return dag + QStringLiteral(".  ") + maanedsnavn(dato.month()) + QStringLiteral(" - ") + ugedag;
}

QString bededagHint(int aar)
{
    // The row stays a date finder; only the day's status changed.
    return aar >= 2024 ? QStringLiteral("Store bededag er ikke længere en helligdag fra og med 2024.") : QString();
}

} // namespace

QDate foersteDato()
{
    return QDate(1, 1, 1);
}

QDate sidsteDato()
{
    return QDate(9999, 12, 31);
}

QString maanedsnavn(int maaned)
{
    return maaned >= 1 && maaned <= 12 ? QString::fromUtf8(maanedsnavne[maaned - 1]) : QString();
}

QString ugedagsnavn(const QDate &dato)
{
    return dato.isValid() ? QString::fromUtf8(ugedagsnavne[dato.dayOfWeek() - 1]) : QString();
}

QString datotekst(const QDate &dato)
{
    if (!dato.isValid())
        return {};
    return toCifre(dato.day()) + QLatin1Char('-') + toCifre(dato.month()) + QLatin1Char('-')
           + QStringLiteral("%1").arg(dato.year(), 4, 10, QLatin1Char('0'));
}

QDate fraDatotekst(const QString &tekst)
{
    const QStringList dele = tekst.trimmed().split(QLatin1Char('-'));
    if (dele.size() != 3)
        return {};
    const int maksCifre[] = {2, 2, 4};
    int tal[3] = {};
    for (int i = 0; i < 3; ++i) {
        const QString del = dele[i];
        bool ok = !del.isEmpty() && del.size() <= maksCifre[i];
        for (QChar c : del)
            ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!ok)
            return {};
        tal[i] = del.toInt();
    }
    const QDate dato(tal[2], tal[1], tal[0]);
    return iOmraade(dato) ? dato : QDate();
}

int rensTal(const QString &tekst)
{
    qint64 vaerdi = 0;
    for (QChar c : tekst) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        vaerdi = qMin<qint64>(vaerdi * 10 + (c.unicode() - '0'), std::numeric_limits<int>::max());
    }
    return int(tekst.startsWith(QLatin1Char('-')) ? -vaerdi : vaerdi);
}

QDate anvendFelter(const QDate &aktuel, int dag, int maaned, int aar)
{
    if (dag > 0 && maaned > 0 && aar > 0) {
        const QDate hel(aar, maaned, dag);
        if (iOmraade(hel))
            return hel;
    }
    QDate dato = aktuel;
    if (dag >= 1 && dag <= dato.daysInMonth())
        dato = QDate(dato.year(), dato.month(), dag);
    if (maaned >= 1 && maaned <= 12)
        dato = sammeDagI(dato.year(), maaned, dato.day());
    if (aar >= foersteDato().year() && aar <= sidsteDato().year())
        dato = sammeDagI(aar, dato.month(), dato.day());
    return dato;
}

QDate flytMaaneder(const QDate &dato, int antal)
{
    // QDate ends a month step on the last day of a shorter month.
    const QDate ny = dato.addMonths(antal);
    return iOmraade(ny) ? ny : dato;
}

QDate flytAar(const QDate &dato, int antal)
{
    return flytMaaneder(dato, antal * 12);
}

Paaske beregnPaaskeS(int aar)
{
    const int a = aar % 19;
    const int b = aar % 4;
    const int c = aar % 7;
    const int k = aar / 100;
    const int p = (8 * k + 13) / 25;
    const int q = k / 4;
    const int M = (15 - p + k - q) % 30;
    const int N = (4 + k - q) % 7;
    const int d = (19 * a + M) % 30;
    const int e = (2 * b + 4 * c + 6 * d + N) % 7;
    if (d == 29 && e == 6)
        return {19, 4};
    if (d == 28 && e == 6 && a > 10)
        return {18, 4};
    const int marts = 22 + d + e;
    return marts > 31 ? Paaske{d + e - 9, 4} : Paaske{marts, 3};
}

QDate paaskedag(int aar)
{
    const Paaske p = beregnPaaskeS(aar);
    return QDate(aar, p.maaned, p.dag);
}

QList<Helligdag> startraekker()
{
    QList<Helligdag> raekker;
    for (const auto &h : bevaegelige)
        raekker.append({QString::fromUtf8(h.caption), QStringLiteral("?"), {}});
    for (const auto &h : faste)
        raekker.append({QString::fromUtf8(h.caption), QString::fromUtf8(h.dagOgMaaned), {}});
    return raekker;
}

QList<Helligdag> findDatoer(int aar)
{
    QList<Helligdag> raekker;
    if (aar < mindsteAar || aar > stoersteAar)
        return raekker;
    const QDate paaske = paaskedag(aar);
    int raekke = 0;
    for (const auto &h : bevaegelige) {
        const QDate dato = paaske.addDays(h.dage);
        raekker.append({QString::fromUtf8(h.caption), bevaegeligTekst(raekke, dato),
                        raekke == storeBededag ? bededagHint(aar) : QString()});
        ++raekke;
    }
    for (const auto &h : faste) {
        const QDate dato(aar + h.naesteAar, h.maaned, h.dag);
        raekker.append({QString::fromUtf8(h.caption),
                        QString::fromUtf8(h.dagOgMaaned) + QStringLiteral(" - ") + ugedagsnavn(dato) + QLatin1Char(' '),
                        {}});
    }
    return raekker;
}

QString aarsmappe(const QDate &dato)
{
    return QString::number(dato.year());
}

QString maanedsmappe(const QDate &dato)
{
    return toCifre(dato.month()) + QLatin1Char(' ') + maanedsnavn(dato.month());
}

QString dagsmappe(const QDate &dato)
{
    return toCifre(dato.day()) + QLatin1Char(' ') + ugedagsnavn(dato);
}

QString forskelTekst(const QString &aar, const QString &maaneder, const QString &dage)
{
    return aar + QStringLiteral(" år, ") + maaneder
           + (maaneder == QLatin1String("1") ? QStringLiteral(" måned samt ") : QStringLiteral(" måneder samt "))
           + dage + (dage == QLatin1String("1") ? QStringLiteral(" dag.") : QStringLiteral(" dage."));
}

QString dageIaltTekst(const QString &dage)
{
    return dage + QStringLiteral(" dage ialt.");
}

} // namespace kalenderdatoer
