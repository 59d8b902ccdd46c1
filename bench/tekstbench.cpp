// Drives the text search engine without windows.
//
//   bench_tekst lav DIR SEED                    makes DIR: 2,000 text files of 4 KiB to
//                                               400 KiB (about 200 MB), Danish words, the
//                                               word "sommerfugl" about 10,000 times in
//                                               varying case, every tenth file in
//                                               Windows-1252, some with CR LF
//   bench_tekst soeg DIR MOENSTER TEKST [HELE [STORE]]
//                                               one search; prints every row as
//                                               Dokument, Position and Tekst separated
//                                               by tabs, then "antal N"
//   bench_tekst tael DIR MOENSTER TEKST         one search; prints "antal N" and "ms T"
//                                               (the engine's own time)
//
// HELE and STORE are 0 or 1: "Kun hele ord" and "Forskel på store og små
// bogstaver". Unreadable and oversized documents are reported on stderr.

#include "engines/tekstsoegning/ttekstsoegning.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const char *const ord[] = {
    "og", "i", "at", "det", "en", "den", "til", "er", "som", "på", "de", "med", "han", "af", "for", "ikke",
    "der", "var", "mig", "sig", "men", "et", "har", "om", "vi", "min", "havde", "ham", "hun", "nu", "over",
    "da", "fra", "du", "ud", "sin", "dem", "os", "op", "man", "hans", "hvor", "eller", "hvad", "skal",
    "selv", "her", "alle", "vil", "blev", "kunne", "ind", "når", "være", "dog", "noget", "ville", "jo",
    "deres", "efter", "ned", "skulle", "denne", "end", "dette", "mit", "også", "under", "have", "dig",
    "anden", "hende", "mine", "alt", "meget", "sit", "sine", "vor", "mod", "disse", "hvis", "din", "nogle",
    "hos", "blive", "mange", "ad", "bliver", "hendes", "været", "thi", "jer", "sådan", "æble", "øresund",
    "håndværker", "rødgrød", "fløde", "sø", "ærlig", "kærlighed", "bøger", "gård", "skole", "vejret",
    "kontoret", "regnskab", "huset", "haven", "bilen", "toget", "børnene", "forældre", "sommer", "vinter",
    "efterår", "forår", "morgen", "aften", "frokost", "middag", "køkken", "stue", "værelse", "vindue",
    "dør", "trappe", "kælder", "loft", "tag", "mur", "sten", "træ", "skov", "mark", "eng", "å", "hav",
    "strand", "båd", "skib", "havn", "by", "land", "rige", "konge", "dronning", "prins", "slot", "kirke",
    "præst", "bonde", "fisker", "smed", "skrædder", "købmand", "butik", "penge", "krone", "øre", "pris",
};
constexpr int antalOrd = int(sizeof(ord) / sizeof(ord[0]));
const char *const soegeord[] = {"sommerfugl", "Sommerfugl", "SOMMERFUGL"};

int lav(const QString &rod, quint32 seed)
{
    constexpr int filer = 2000;
    constexpr qint64 samlet = 200'000'000;
    constexpr qint64 fundIAlt = 8150;   // what the chance below works out at: about 10,000 in all
    QDir().mkpath(rod);
    QRandomGenerator r(seed);
    // Sizes spread evenly on a log scale from 4 KiB to 400 KiB, scaled to
    // about 200 MB in all.
    std::vector<double> stoerrelser(filer);
    double sum = 0;
    for (double &s : stoerrelser) {
        s = 4096.0 * std::pow(100.0, r.generateDouble());
        sum += s;
    }
    for (double &s : stoerrelser)
        s = qBound(4096.0, s * double(samlet) / sum, 409600.0);
    // The searched word goes in with a chance per word that gives about
    // 10,000 occurrences over all the words written.
    const double chance = double(fundIAlt) / (double(samlet) / 6.5);
    QStringEncoder cp1252("windows-1252");
    qint64 antalFund = 0;
    for (int f = 0; f < filer; ++f) {
        const bool crlf = f % 7 == 3;
        QByteArray tekst;
        tekst.reserve(qsizetype(stoerrelser[size_t(f)]) + 1024);
        while (tekst.size() < qsizetype(stoerrelser[size_t(f)])) {
            // Mostly ordinary lines, some long paragraphs that wrap.
            const int laengde = r.bounded(10) == 0 ? int(r.bounded(300, 900)) : int(r.bounded(20, 110));
            QByteArray linje;
            while (linje.size() < laengde) {
                if (!linje.isEmpty())
                    linje += ' ';
                if (r.generateDouble() < chance) {
                    linje += soegeord[r.bounded(3)];
                    ++antalFund;
                } else {
                    linje += ord[r.bounded(antalOrd)];
                }
            }
            tekst += linje;
            tekst += crlf ? "\r\n" : "\n";
        }
        if (f % 10 == 9)
            tekst = cp1252.encode(QString::fromUtf8(tekst));
        QFile ud(rod + QString("/dokument%1.txt").arg(f, 4, 10, QLatin1Char('0')));
        if (!ud.open(QIODevice::WriteOnly) || ud.write(tekst) != tekst.size())
            return 1;
    }
    std::printf("filer %d\nfund %lld\n", filer, static_cast<long long>(antalFund));
    return 0;
}

int soeg(const QString &mappe, const QString &moenster, const QString &tekst, bool hele, bool store, bool udskriv)
{
    TTekstsoegning s;
    QElapsedTimer ur;
    ur.start();
    qint64 antal = 0;
    const TTekstsoegning::Resultat r = s.soeg(mappe, moenster, {tekst, hele, store}, [&](QList<FundRaekke> &&raekker) {
        antal += raekker.size();
        if (!udskriv)
            return;
        for (const FundRaekke &f : raekker)
            std::printf("%s\t%lld\t%s\n", f.dokument.toUtf8().constData(), static_cast<long long>(f.position),
                        f.tekst.toUtf8().constData());
    });
    const qint64 ms = ur.elapsed();
    std::printf("antal %lld\n", static_cast<long long>(antal));
    if (!udskriv)
        std::printf("ms %lld\n", static_cast<long long>(ms));
    if (r.ulaeselige)
        std::fprintf(stderr, "ulæselige %d\n", r.ulaeselige);
    if (r.forStore)
        std::fprintf(stderr, "for store %d\n", r.forStore);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 4 && a[1] == "lav")
        return lav(a[2], a[3].toUInt());
    if (a.size() >= 5 && a.size() <= 7 && (a[1] == "soeg" || a[1] == "tael")) {
        QString mappe = a[2];
        if (!mappe.endsWith('/'))
            mappe += '/';
        return soeg(mappe, a[3], a[4], a.value(5) == "1", a.value(6) == "1", a[1] == "soeg");
    }
    std::fprintf(stderr,
                 "brug: bench_tekst lav MAPPE SEED\n"
                 "      bench_tekst soeg MAPPE MØNSTER TEKST [HELE_ORD STORE_SMÅ]\n"
                 "      bench_tekst tael MAPPE MØNSTER TEKST [HELE_ORD STORE_SMÅ]\n");
    return 2;
}
