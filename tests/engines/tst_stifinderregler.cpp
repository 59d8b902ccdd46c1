#include "engines/stifinderregler.h"
#include "engines/strukturrec.h"

#include "testmiljoe.h"

#include <QtTest>

using namespace stifinderregler;

namespace {

// A state described in a row: "t1" or "t2" for the active tree, then flags.
Tilstand tilstand(Trae trae, int art, bool valgt, bool fri, bool bloker, int poster = 0)
{
    Tilstand t;
    t.aktivTrae = trae;
    t.art = art;
    t.valgt = valgt;
    t.fri = fri;
    t.bloker = bloker;
    t.poster = poster;
    return t;
}

} // namespace

Q_DECLARE_METATYPE(Tilstand)
Q_DECLARE_METATYPE(Regel)
Q_DECLARE_METATYPE(Trae)

class TestStifinderRegler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void regler_data();
    void regler();
    void kontekstmenuer_data();
    void kontekstmenuer();
    void stiboksensStier_data();
    void stiboksensStier();
    void tilbageOgFremRunderHjoernet();
    void favoritTekst_data();
    void favoritTekst();
};

void TestStifinderRegler::regler_data()
{
    QTest::addColumn<Regel>("kommando");
    QTest::addColumn<Tilstand>("t");
    QTest::addColumn<int>("forventet");   // -1 unchanged, 0 disabled, 1 enabled

    // Protected folders and drives.
    QTest::newRow("Mappe på Windows-mappe") << &regel::nytElement << tilstand(Trae::Mappe, IdBeskyttet, true, true, false) << 0;
    QTest::newRow("Ny fil på Windows-mappe") << &regel::nytElement << tilstand(Trae::Mappe, IdBeskyttet, true, true, false) << 0;
    QTest::newRow("Mappe på drev") << &regel::nytElement << tilstand(Trae::Mappe, IdDrev, true, true, false) << 1;
    QTest::newRow("Ny fil på drev") << &regel::nytElement << tilstand(Trae::Mappe, IdDrev, true, true, false) << 1;
    QTest::newRow("Kopier drev") << &regel::kopier << tilstand(Trae::Mappe, IdDrev, true, true, false) << 0;
    QTest::newRow("Kopier privatmappe") << &regel::kopier << tilstand(Trae::Mappe, IdPrivat, true, true, false) << 1;
    QTest::newRow("Sæt ind på drev") << &regel::saetInd << tilstand(Trae::Mappe, IdDrev, true, true, false, 2) << 1;
    QTest::newRow("Sæt ind uden poster") << &regel::saetInd << tilstand(Trae::Mappe, IdDrev, true, true, false, 0) << 0;
    QTest::newRow("Sæt ind i filtræ uden valg") << &regel::saetInd << tilstand(Trae::Fil, IdIngen, false, true, false, 1) << 1;
    QTest::newRow("Slet drev") << &regel::markeretElement << tilstand(Trae::Mappe, IdDrev, true, true, false) << 0;
    QTest::newRow("Slet fil") << &regel::markeretElement << tilstand(Trae::Fil, IdFil, true, true, false) << 1;
    QTest::newRow("Omdøb uden valg") << &regel::markeretElement << tilstand(Trae::Fil, IdIngen, false, true, false) << 0;

    // "Klip" always needs a free window; "Kopier" never does.
    QTest::newRow("Klip, fri") << &regel::klip << tilstand(Trae::Fil, IdFil, true, true, false) << 1;
    QTest::newRow("Klip, travl, ikke-blokerende") << &regel::klip << tilstand(Trae::Fil, IdFil, true, false, false) << 0;
    QTest::newRow("Klip, travl, blokerende") << &regel::klip << tilstand(Trae::Mappe, IdMappe, true, false, true) << 0;
    QTest::newRow("Kopier, travl, blokerende") << &regel::kopier << tilstand(Trae::Fil, IdFil, true, false, true) << 1;
    QTest::newRow("Sæt ind, travl") << &regel::saetInd << tilstand(Trae::Fil, IdFil, true, false, false, 3) << 0;

    // The seven commands with two rules, during a paste.
    const QList<std::pair<const char *, Regel>> blokerbare = {
        {"DeleteToPapirkurv", &regel::markeretElement}, {"DeletePermanent", &regel::markeretElement},
        {"Rename", &regel::markeretElement},            {"Rename2", &regel::markeretElement},
        {"NyMappe", &regel::nytElement},                {"Info", &regel::egenskaber},
        {"aOpretTekstfil", &regel::nytElement}};
    for (const auto &[k, r] : blokerbare) {
        QTest::addRow("%s, travl, blokerende", k) << r << tilstand(Trae::Mappe, IdMappe, true, false, true) << 0;
        QTest::addRow("%s, travl, ikke-blokerende", k) << r << tilstand(Trae::Mappe, IdMappe, true, false, false) << 1;
        QTest::addRow("%s, fri, blokerende", k) << r << tilstand(Trae::Mappe, IdMappe, true, true, true) << 1;
    }
    // In the file tree a new element needs only a free window when blocking.
    QTest::newRow("Mappe i filtræ, blokerende, beskyttet") << &regel::nytElement << tilstand(Trae::Fil, IdBeskyttet, true, true, true) << 1;
    QTest::newRow("Mappe i filtræ, blokerende, travl") << &regel::nytElement << tilstand(Trae::Fil, IdMappe, true, false, true) << 0;
    QTest::newRow("Omdøb filtype, travl") << &regel::omdoebFiltype << tilstand(Trae::Fil, IdFil, true, false, false) << 0;
    QTest::newRow("Omdøb filtype, fri") << &regel::omdoebFiltype << tilstand(Trae::Fil, IdFil, true, true, false) << 1;

    // A rule given for the two trees says nothing before either is active.
    QTest::newRow("Klip uden aktivt træ") << &regel::klip << tilstand(Trae::Ingen, -1, true, true, false) << -1;
    QTest::newRow("Egenskaber uden aktivt træ") << &regel::egenskaber << tilstand(Trae::Ingen, -1, true, false, true) << -1;
    QTest::newRow("Kør uden regel for træ") << &regel::fil << tilstand(Trae::Ingen, IdFil, false, true, false) << 1;
    QTest::newRow("Uden regel") << &regel::altid << tilstand(Trae::Ingen, -1, false, false, true) << 1;

    Tilstand fil = tilstand(Trae::Fil, IdFil, true, true, false);
    fil.filNoder = 3;
    fil.filValgte = 3;
    QTest::newRow("Marker alt når alt er valgt") << &regel::markerAlle << fil << 0;
    fil.filValgte = 1;
    QTest::newRow("Marker alt") << &regel::markerAlle << fil << 1;
    QTest::newRow("Fravælg") << &regel::fravaelgElementer << fil << 1;
    fil.aktivTrae = Trae::Mappe;
    QTest::newRow("Marker alt i mappetræet") << &regel::markerAlle << fil << 0;
    QTest::newRow("Fravælg i mappetræet") << &regel::fravaelgElementer << fil << 0;
    QTest::newRow("Inverter i mappetræet") << &regel::inverter << fil << 0;

    Tilstand fav;
    fav.favChanged = true;
    fav.favoritsideVist = false;
    QTest::newRow("Favorit, side skjult") << &regel::favorit << fav << 0;
    fav.favoritsideVist = true;
    QTest::newRow("Favorit") << &regel::favorit << fav << 1;
    fav.favChanged = false;
    QTest::newRow("Favorit, ikke navigeret") << &regel::favorit << fav << 0;

    Tilstand h;
    h.historieAntal = 1;
    h.historieLinje = 0;
    QTest::newRow("Tilbage med én mappe") << &regel::tilbageFrem << h << 0;
    h.historieAntal = 2;
    QTest::newRow("Frem med to mapper") << &regel::tilbageFrem << h << 1;
    h.historieLinje = -1;
    QTest::newRow("Frem uden valgt linje") << &regel::tilbageFrem << h << 0;
    QTest::newRow("F3 uden hjemmelavet struktur") << &regel::hjemmelavetStruktur << h << 0;
}

void TestStifinderRegler::regler()
{
    QFETCH(Regel, kommando);
    QFETCH(Tilstand, t);
    QFETCH(int, forventet);
    const std::optional<bool> svar = kommando(t);
    QCOMPARE(svar.has_value() ? int(*svar) : -1, forventet);
}

void TestStifinderRegler::kontekstmenuer_data()
{
    QTest::addColumn<bool>("mappetrae");
    QTest::addColumn<Trae>("aktivTrae");
    QTest::addColumn<int>("art");
    QTest::addColumn<Kontekstmenu>("menu");
    QTest::newRow("mappe") << true << Trae::Mappe << int(IdMappe) << Kontekstmenu::Element;
    QTest::newRow("privatmappe") << true << Trae::Mappe << int(IdPrivat) << Kontekstmenu::Privat;
    QTest::newRow("art 3") << true << Trae::Mappe << 3 << Kontekstmenu::Privat;
    QTest::newRow("drev") << true << Trae::Mappe << int(IdDrev) << Kontekstmenu::Drev;
    QTest::newRow("Windows-mappe") << true << Trae::Mappe << int(IdBeskyttet) << Kontekstmenu::Ingen;
    QTest::newRow("intet valgt") << true << Trae::Mappe << int(IdIngen) << Kontekstmenu::Ingen;
    QTest::newRow("mappe mens filtræet er aktivt") << true << Trae::Fil << int(IdMappe) << Kontekstmenu::Ingen;
    QTest::newRow("fil i filtræ") << false << Trae::Fil << int(IdFil) << Kontekstmenu::Element;
    QTest::newRow("mappe i filtræ") << false << Trae::Fil << int(IdMappe) << Kontekstmenu::Element;
    QTest::newRow("intet i filtræ") << false << Trae::Fil << int(IdIngen) << Kontekstmenu::Drev;
    QTest::newRow("beskyttet i filtræ") << false << Trae::Fil << int(IdBeskyttet) << Kontekstmenu::Drev;
    QTest::newRow("filtræ mens mappetræet er aktivt") << false << Trae::Mappe << int(IdFil) << Kontekstmenu::Ingen;
}

void TestStifinderRegler::kontekstmenuer()
{
    QFETCH(bool, mappetrae);
    QFETCH(Trae, aktivTrae);
    QFETCH(int, art);
    QFETCH(Kontekstmenu, menu);
    QCOMPARE(mappetrae ? mappetraeMenu(aktivTrae, art) : filtraeMenu(aktivTrae, art), menu);
}

void TestStifinderRegler::stiboksensStier_data()
{
    QTest::addColumn<QStringList>("dele");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("sti");
    const QStringList hjem{"/", "home", "ann"};
    QTest::newRow("drevet") << hjem << 0 << "/";
    QTest::newRow("midten") << hjem << 1 << "/home";
    QTest::newRow("hele") << hjem << 2 << "/home/ann";
    QTest::newRow("forbi enden") << hjem << 7 << "/home/ann";
    const QStringList usb{"/media/ann/MIN USB", "Billeder"};
    QTest::newRow("usb-drev") << usb << 0 << "/media/ann/MIN USB";
    QTest::newRow("usb-mappe") << usb << 1 << "/media/ann/MIN USB/Billeder";
    QTest::newRow("ingen dele") << QStringList() << 0 << "";
}

void TestStifinderRegler::stiboksensStier()
{
    QFETCH(QStringList, dele);
    QFETCH(int, index);
    QFETCH(QString, sti);
    QCOMPARE(getStien(dele, index), sti);
}

void TestStifinderRegler::tilbageOgFremRunderHjoernet()
{
    QCOMPARE(tilbage(0, 4), 3);
    QCOMPARE(tilbage(2, 4), 1);
    QCOMPARE(frem(3, 4), 0);
    QCOMPARE(frem(1, 4), 2);
}

void TestStifinderRegler::favoritTekst_data()
{
    QTest::addColumn<QString>("sti");
    QTest::addColumn<QString>("caption");
    QTest::newRow("mappe") << "/home/ann/Dokumenter" << "Dokumenter";
    QTest::newRow("systemdrev") << "/" << "Drev /";
    QTest::newRow("usb-drev") << "/media/ann/MIN USB" << "Drev /media/ann/MIN USB";
    QTest::newRow("mappe på usb") << "/media/ann/MIN USB/Fotos" << "Fotos";
}

void TestStifinderRegler::favoritTekst()
{
    QFETCH(QString, sti);
    QFETCH(QString, caption);
    QCOMPARE(favoritmappeCaption(sti, {"/", "/media/ann/MIN USB"}), caption);
}

QTEST_GUILESS_MAIN(TestStifinderRegler)
#include "tst_stifinderregler.moc"
