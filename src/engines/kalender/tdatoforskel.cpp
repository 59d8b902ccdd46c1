#include "engines/kalender/tdatoforskel.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/kalender/kalenderdatoer.h"
#include "engines/tstarter.h"
#include "platform/filinfo.h"
#include "platform/skript.h"
#include "platform/tekstfil.h"

#include <QFile>
#include <QRegularExpression>

namespace {

bool erHeltal(const QString &tekst)
{
    static const QRegularExpression heltal(QStringLiteral("^-?[0-9]+$"));
    return heltal.match(tekst).hasMatch();
}

} // namespace

TDatoforskel::TDatoforskel(Dialogs &dialogs, const QString &scriptDir, const QString &optMappe, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_script(stier::delimKon(scriptDir) + QStringLiteral("datediff.sh"))
    , m_resultatfil(stier::delimKon(optMappe) + QStringLiteral("datediff.txt"))
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TDatoforskel::tik);
}

bool TDatoforskel::Beregn(const QString &dato1, const QString &dato2)
{
    m_timer.stop();
    if (!filinfo::erFil(m_script)) {
        m_dialogs.inform(QStringLiteral("Der mangler en fil!"));
        return false;
    }
    // The script can do nothing with a day that does not exist; say so now
    // rather than wait for a result that never comes.
    for (const QString &dato : {dato1, dato2}) {
        if (!kalenderdatoer::fraDatotekst(dato).isValid()) {
            m_dialogs.inform(QStringLiteral("Datoen \"") + dato
                             + QStringLiteral("\" er ikke en gyldig dato.\rRet dag, måned og år og prøv igen."));
            return false;
        }
    }
    if (!fjernGammeltResultat())
        return false;
    const int kode = skript::start(m_script, {m_resultatfil, dato1.trimmed(), dato2.trimmed()});
    if (kode <= 32) {
        m_dialogs.inform(TStarter::ErrorTekst(kode) + u'\r');
        return false;
    }
    m_ventet = 0;
    m_timer.start();
    return true;
}

bool TDatoforskel::fjernGammeltResultat()
{
    if (!filinfo::findes(m_resultatfil) || QFile::remove(m_resultatfil))
        return true;
    m_dialogs.inform(QStringLiteral("Resultatet af den forrige beregning kunne ikke fjernes:\r") + m_resultatfil);
    return false;
}

void TDatoforskel::tik()
{
    if (filinfo::findes(m_resultatfil)) {
        m_timer.stop();
        laesResultat();
        return;
    }
    m_ventet += m_timer.interval();
    if (m_ventet < m_maksVentetid)
        return;
    m_timer.stop();
    const int sekunder = m_maksVentetid / 1000;
    m_dialogs.inform(QStringLiteral("Forskellen mellem datoerne blev ikke beregnet.\r"
                                    "Der kom intet resultat inden for ")
                     + QString::number(sekunder) + (sekunder == 1 ? QStringLiteral(" sekund.") : QStringLiteral(" sekunder.")));
}

void TDatoforskel::laesResultat()
{
    const QStringList linjer = tekstfil::hent(m_resultatfil);
    QStringList tal;
    for (const QString &linje : linjer.mid(0, 4))
        tal.append(linje.trimmed());
    if (tal.size() < 4 || !std::all_of(tal.cbegin(), tal.cend(), erHeltal)) {
        m_dialogs.inform(QStringLiteral("Resultatet af beregningen kunne ikke læses i:\r") + m_resultatfil);
        return;
    }
    emit beregnet(kalenderdatoer::forskelTekst(tal[0], tal[1], tal[2]), kalenderdatoer::dageIaltTekst(tal[3]));
}
