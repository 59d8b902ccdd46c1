#include "engines/datamappe/tdatamappe.h"

#include "engines/datamappe/skabelonkopi.h"
#include "platform/brugernavn.h"
#include "platform/systemmapper.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Collects what went wrong; the user sees one message for the whole set-up.
struct Opsaetning
{
    QStringList linjer;
    bool stoppet = false;

    void manglerSkabelon(const QString &skabelon, const QString &mappe)
    {
        linjer << QStringLiteral("Skabelonen %1 blev ikke fundet, så %2 er oprettet tom.")
                      .arg(skabelon, mappe);
    }

    void kanIkkeOprette(const QString &mappe)
    {
        linjer << QStringLiteral("Mappen %1 kunne ikke oprettes.").arg(mappe);
        stoppet = true;
    }
};

QString udenSkraastreg(const QString &mappe)
{
    return mappe.endsWith('/') ? mappe.chopped(1) : mappe;
}

bool erMappe(const QString &sti)
{
    return QFileInfo(sti).isDir();
}

void opretTom(const QString &mappe, Opsaetning &opsaetning)
{
    if (opsaetning.stoppet || erMappe(mappe))
        return;
    if (!QDir().mkpath(mappe))
        opsaetning.kanIkkeOprette(mappe);
}

void opretFraSkabelon(const QString &skabelon, const QString &mappe, Opsaetning &opsaetning,
                      const skabelonkopi::Tilpasning &tilpas = {})
{
    if (opsaetning.stoppet || erMappe(mappe))
        return;
    if (!erMappe(skabelon)) {
        opretTom(mappe, opsaetning);
        if (!opsaetning.stoppet)
            opsaetning.manglerSkabelon(skabelon, mappe);
        return;
    }
    if (!skabelonkopi::kopier(skabelon, mappe, tilpas))
        opsaetning.kanIkkeOprette(mappe);
}

// A save interrupted by a crash or a kill leaves its temporary file beside
// the file it was saving. At start no save of this data tree can be running
// (the program holds its lock), so every such file is a left-over.
void fjernAfbrudteGemninger(const DataMapper &m)
{
    for (const QString &mappe : {m.BrugerMappe, m.OptMappe, m.dosMappe, m.NotatMappe, m.brugerKalenderMappe,
                                 m.brugerNotatMappe, m.mappestrukturDir})
        tekstfil::fjernEfterladte(udenSkraastreg(mappe));
}

bool kanSkrives(const QString &mappe)
{
    const QFileInfo info(mappe);
    return info.isDir() && info.isWritable();
}

} // namespace

DataMapper TDataMappe::beregnFelter(const QString &grundMappe, const QString &programmappe,
                                    const QString &brugernavn)
{
    DataMapper m;
    m.Abrugernavn = brugernavn.isEmpty() ? QStringLiteral("Brugernavn") : brugernavn;
    m.grundMappe = udenSkraastreg(grundMappe);
    m.programmappe = udenSkraastreg(programmappe);
    m.appletsDir = m.programmappe + "/Window applets/";
    m.infoDir = m.programmappe + "/Stifinder/tekstfiler/";
    m.strukturDir = m.programmappe + "/Stifinder";
    m.scriptDir = m.programmappe + "/scripts/";
    m.ikonDir = m.programmappe + "/Ikoner/";
    m.BrugerMappe = m.grundMappe + "/" + m.Abrugernavn;
    m.dosMappe = m.BrugerMappe + "/Dos/";
    m.NotatMappe = m.BrugerMappe + "/Noter/";
    m.OptMappe = m.BrugerMappe + "/Egenskaber/";
    m.optFilnavn = m.OptMappe + "MainEgenskaber.txt";
    m.brugerKalenderMappe = m.BrugerMappe + "/Kalender";
    m.brugerNotatMappe = m.BrugerMappe + "/Notater";
    m.mappestrukturDir = m.BrugerMappe + "/Mappestrukturer/";
    return m;
}

DataMappeStart TDataMappe::CreateMapper(const QString &grundMappe, const QString &programmappe,
                                        const QString &brugernavn)
{
    DataMappeStart start;
    DataMapper &m = start.mapper;
    m = beregnFelter(grundMappe, programmappe, brugernavn);

    const QString dosMappe = udenSkraastreg(m.dosMappe);
    Opsaetning opsaetning;
    opretTom(m.BrugerMappe, opsaetning);
    opretFraSkabelon(m.programmappe + "/Dos", dosMappe, opsaetning);
    opretTom(udenSkraastreg(m.NotatMappe), opsaetning);
    opretFraSkabelon(m.programmappe + "/Egenskaber", udenSkraastreg(m.OptMappe), opsaetning,
                     [&m](const QString &kopi) {
                         const QString liste = kopi + "/dosfiler.txt";
                         return !QFileInfo::exists(liste) || tilpasDosListe(liste, m.dosMappe);
                     });
    opretTom(m.brugerKalenderMappe, opsaetning);
    opretTom(m.brugerNotatMappe, opsaetning);
    opretTom(udenSkraastreg(m.mappestrukturDir), opsaetning);

    fjernAfbrudteGemninger(m);
    start.skrivbar = kanSkrives(m.BrugerMappe) && kanSkrives(m.OptMappe);
    if (opsaetning.stoppet || !start.skrivbar) {
        if (!opsaetning.stoppet)
            opsaetning.linjer << QStringLiteral("Der kan ikke skrives i mappen %1.").arg(m.BrugerMappe);
        opsaetning.linjer << QStringLiteral("Programmet kan bruges, men indstillinger, lister og "
                                            "noter bliver ikke gemt.");
    }
    start.besked = opsaetning.linjer.join('\r');
    return start;
}

DataMappeStart TDataMappe::CreateMapper()
{
    return CreateMapper(systemmapper::grundMappe(), systemmapper::programMappe(), brugernavn::hent());
}

QString TDataMappe::PlaceringsMappe(const DataMapper &mapper, const QString &gemt)
{
    const QFileInfo info(gemt);
    if (!gemt.isEmpty() && info.isAbsolute() && info.isDir())
        return gemt;
    const QString genveje = mapper.BrugerMappe + "/Genveje";
    QDir().mkpath(genveje);
    return genveje;
}

bool TDataMappe::tilpasDosListe(const QString &listefil, const QString &dosMappe)
{
    tekstfil::Laesning status;
    const QStringList linjer = tekstfil::hent(listefil, tekstfil::Art::Liste, &status);
    if (status != tekstfil::Laesning::Ok)
        return false;
    QStringList tilpasset;
    for (qsizetype i = 0; i + 1 < linjer.size(); i += 2) {
        const QString &sti = linjer.at(i + 1);
        const QString fuldSti = QFileInfo(sti).isAbsolute() ? sti : dosMappe + sti;
        if (QFileInfo(fuldSti).isFile())
            tilpasset << linjer.at(i) << fuldSti;
    }
    return tekstfil::gem(listefil, tilpasset);
}
