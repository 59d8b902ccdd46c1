#include "engines/dos/tdosbibliotek.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/filnavn.h"
#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"


namespace {

const QString endelse = QStringLiteral(".txt");

} // namespace

TDosbibliotek::TDosbibliotek(Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_dosFiler(&dialogs)
{
    m_dosFiler.SetItemtype(itFil);
    m_dosFiler.SetFilantal(24);
}

void TDosbibliotek::saetMapper(const QString &dosMappe, const QString &optMappe)
{
    m_dosMappe = stier::delimKon(dosMappe);
    m_dosFiler.SetItemfile(stier::delimKon(optMappe) + QStringLiteral("dosfiler.txt"));
}

void TDosbibliotek::hent()
{
    m_dosFiler.HentReopenFiler();
}

QString TDosbibliotek::beskrivelsesfil(const QString &kommando) const
{
    return m_dosMappe + filnavn::fraNavn(kommando, int(endelse.size())) + endelse;
}

std::optional<QString> TDosbibliotek::valgtBeskrivelse()
{
    const int linje = m_dosFiler.valgtLinje();
    if (linje < 0)
        return std::nullopt;
    if (!m_dosFiler.findes(linje)) {
        m_dialogs.inform(QStringLiteral("Filen blev ikke fundet.\rSlet eventuelt elementet fra listen."));
        return std::nullopt;
    }
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QStringList linjer = tekstfil::hent(m_dosFiler.GetFilnavn(linje), tekstfil::Art::Liste, &status);
    if (status == tekstfil::Laesning::Fejl)
        return std::nullopt;
    return linjer.join(u'\n');
}

bool TDosbibliotek::gem(const QString &kommando, const QString &beskrivelse)
{
    if (kommando.isEmpty() || m_dosMappe.isEmpty())
        return false;
    if (kommando.contains(u'\n') || kommando.contains(u'\r')) {
        m_dialogs.inform(QStringLiteral("Kommandoen kan ikke gemmes, fordi den indeholder et linjeskift."));
        return false;
    }
    const QString fil = beskrivelsesfil(kommando);
    if (filinfo::findes(fil)
        && !m_dialogs.ask(QStringLiteral("Filen ") + kommando
                              + QStringLiteral(" eksisterer allerede.\rSkal den overskrives?"),
                          false)) {
        return false;
    }
    if (!tekstfil::gem(fil, tekstfil::splitLinjer(beskrivelse))) {
        m_dialogs.inform(QStringLiteral("Beskrivelsen kunne ikke gemmes i:\r") + fil);
        return false;
    }
    m_dosFiler.InsertItem(fil, kommando);
    m_dosFiler.GemReopenFiler();
    return true;
}

bool TDosbibliotek::sorter()
{
    auto skalByttes = [this](int i) {
        return dansk::sammenlignAZ(m_dosFiler.GetCaption(i), m_dosFiler.GetCaption(i + 1)) > 0;
    };
    // Only neighbours that are out of order swap, so equal captions keep
    // their order.
    bool flyttet = false;
    bool flyttedeIRunde = true;
    while (flyttedeIRunde) {
        flyttedeIRunde = false;
        for (int i = 0; i + 1 < m_dosFiler.antal(); ++i) {
            if (skalByttes(i)) {
                bytRaekker(i, i + 1);
                flyttedeIRunde = true;
            }
        }
        for (int i = m_dosFiler.antal() - 2; i >= 0; --i) {
            if (skalByttes(i)) {
                bytRaekker(i, i + 1);
                flyttedeIRunde = true;
            }
        }
        flyttet = flyttet || flyttedeIRunde;
    }
    if (!flyttet) {
        m_dialogs.inform(QStringLiteral("Listen var sorteret i forvejen.\r"
                                        "Der blev altså ikke flyttet nogen elementer."));
        return false;
    }
    emit raekkefoelgeAendret();
    return true;
}

void TDosbibliotek::bytRaekker(int a, int b)
{
    const int valgt = m_dosFiler.valgtLinje();
    m_dosFiler.flytNed(a);
    emit m_dosFiler.dataChanged(m_dosFiler.index(a), m_dosFiler.index(b));
    // The selection follows its entry.
    if (valgt == a)
        m_dosFiler.vaelgLinje(b);
    else if (valgt == b)
        m_dosFiler.vaelgLinje(a);
}

bool TDosbibliotek::sletValgte()
{
    const int linje = m_dosFiler.valgtLinje();
    if (linje < 0)
        return false;
    if (!m_dialogs.ask(QStringLiteral("Skal kommandoen ") + m_dosFiler.GetCaption(linje)
                           + QStringLiteral(" slettes?"),
                       false))
        return false;
    m_dosFiler.DeleteItem(linje);
    m_dosFiler.vaelgLinje(qMin(linje, m_dosFiler.antal() - 1));
    return true;
}

bool TDosbibliotek::sletAlt()
{
    return m_dosFiler.SletAlleItems();
}

bool TDosbibliotek::flytOp()
{
    const int linje = m_dosFiler.valgtLinje();
    if (linje <= 0)
        return false;
    bytRaekker(linje - 1, linje);
    emit raekkefoelgeAendret();
    return true;
}

bool TDosbibliotek::flytNed()
{
    const int linje = m_dosFiler.valgtLinje();
    if (linje < 0 || linje >= m_dosFiler.antal() - 1)
        return false;
    bytRaekker(linje, linje + 1);
    emit raekkefoelgeAendret();
    return true;
}

bool TDosbibliotek::gemListe()
{
    return m_dosFiler.GemReopenFiler();
}

QUrl TDosbibliotek::googleUrl(const QString &kommando)
{
    QUrl url(QStringLiteral("https://www.google.com/search"));
    // Fully encoded, so "&", "#" and "+" in a command stay part of the text.
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(kommando)), QUrl::StrictMode);
    return url;
}
