#include "engines/mappestruktur/tstrukturredigering.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TStrukturredigering::TStrukturredigering(Dialogs &dialogs, bool &MsRedigeret, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_MsRedigeret(MsRedigeret)
{
}

void TStrukturredigering::genlaes()
{
    const QString valgtNavn = m_valgt >= 0 ? m_strukturer.at(m_valgt).navn : QString();
    m_strukturer = mappestrukturer::liste(m_mappe);
    m_valgt = -1;
    for (int i = 0; i < m_strukturer.size(); ++i)
        if (m_strukturer.at(i).navn == valgtNavn)
            m_valgt = i;
    if (m_valgt < 0)
        m_mapper.clear();
    emit aendret();
}

void TStrukturredigering::vaelg(int index)
{
    m_mapper.clear();
    m_valgt = index >= 0 && index < m_strukturer.size() ? index : -1;
    // A file that went away since the list was read shows an empty
    // structure; reading it tells the user when it cannot be read.
    if (m_valgt >= 0)
        m_mapper = mappestrukturer::hent(m_strukturer.at(m_valgt).fil).mapper;
    emit aendret();
}

void TStrukturredigering::setNavn(const QString &navn)
{
    if (navn == m_navn)
        return;
    m_navn = navn;
    if (!m_redigering.isEmpty())
        m_MsRedigeret = true;
    emit aendret();
}

void TStrukturredigering::markerRedigeret()
{
    m_MsRedigeret = true;
    emit aendret();
}

QString TStrukturredigering::filForNavn() const
{
    const QString navn = mappestrukturer::navnAf(m_navn);
    if (!m_hentet.fil.isEmpty() && navn == m_hentet.navn)
        return m_hentet.fil;
    return mappestrukturer::filFor(m_mappe, navn);
}

bool TStrukturredigering::gem()
{
    if (!kanGemme())
        return false;
    const QString navn = mappestrukturer::navnAf(m_navn);
    const QString fil = filForNavn();
    if (filinfo::findes(fil)
        && !m_dialogs.ask(QStringLiteral("Skal filen \"") + navn + QStringLiteral(".txt\" overskrives?")))
        return false;
    if (!QDir().mkpath(m_mappe)) {
        m_dialogs.inform(QStringLiteral("Mappen til strukturerne kunne ikke oprettes:\r") + m_mappe);
        return false;
    }
    const tekstfil::Skrivning s = tekstfil::skriv(fil, m_redigering);
    if (s != tekstfil::Skrivning::Skrevet) {
        if (s == tekstfil::Skrivning::Fejl)
            m_dialogs.inform(QStringLiteral("Strukturen blev ikke gemt. Filen kunne ikke skrives:\r") + fil);
        return false;
    }
    m_hentet = {navn, fil};
    m_MsRedigeret = false;
    genlaes();
    if (loadMappeStruktur)
        loadMappeStruktur();
    return true;
}

bool TStrukturredigering::klargoer()
{
    if (m_MsRedigeret
        && !m_dialogs.ask(QStringLiteral("Der er rediget i strukturen! Skal der klargøres alligevel?")))
        return false;
    m_redigering.clear();
    m_navn.clear();
    m_hentet = {};
    m_MsRedigeret = false;
    emit aendret();
    return true;
}

bool TStrukturredigering::rediger()
{
    if (m_valgt < 0)
        return false;
    if (m_MsRedigeret
        && !m_dialogs.ask(QStringLiteral("En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der hentes en anden.\r"
                                         "Skal den valgte hentes til redigering?")))
        return false;
    m_redigering = m_mapper;
    m_hentet = m_strukturer.at(m_valgt);
    m_navn = m_hentet.navn;
    m_MsRedigeret = false;
    emit aendret();
    return true;
}

bool TStrukturredigering::slet()
{
    if (m_valgt < 0)
        return false;
    const mappestrukturer::Struktur s = m_strukturer.at(m_valgt);
    QString spoergsmaal;
    if (m_MsRedigeret)
        spoergsmaal = QStringLiteral("En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der slettes.\r");
    spoergsmaal += QStringLiteral("Skal elementet \"") + s.navn + QStringLiteral("\" slettes permanent?");
    if (!m_dialogs.ask(spoergsmaal))
        return false;
    m_MsRedigeret = false;
    if (!filinfo::findes(s.fil)) {
        m_dialogs.inform(QStringLiteral("Filen blev ikke fundet."));
        emit aendret();
        return false;
    }
    if (!QFile::remove(s.fil)) {
        m_dialogs.inform(QStringLiteral("Strukturen kunne ikke slettes:\r") + s.fil);
        emit aendret();
        return false;
    }
    m_mapper.clear();
    m_redigering.clear();
    m_navn.clear();
    m_hentet = {};
    m_valgt = -1;
    genlaes();
    if (loadMappeStruktur)
        loadMappeStruktur();
    return true;
}

bool TStrukturredigering::fjern(int index)
{
    if (index < 0 || index >= m_redigering.size())
        return false;
    m_redigering.removeAt(index);
    markerRedigeret();
    return true;
}

bool TStrukturredigering::kanFlytte(int index, int retning) const
{
    const int ny = index + retning;
    return index >= 0 && index < m_redigering.size() && ny >= 0 && ny < m_redigering.size();
}

bool TStrukturredigering::flyt(int index, int retning)
{
    if (!kanFlytte(index, retning))
        return false;
    m_redigering.swapItemsAt(index, index + retning);
    markerRedigeret();
    return true;
}

void TStrukturredigering::tilfoej(const QString &mappe)
{
    m_redigering.append(stier::udenSkraastreg(mappe));
    markerRedigeret();
}

bool TStrukturredigering::maaLukke()
{
    if (m_MsRedigeret
        && !m_dialogs.ask(QStringLiteral("Den hjemmelavede struktur er ikke gemt. Hvis der lukkes, går ændringerne tabt.\r"
                                         "Skal der lukkes alligevel?")))
        return false;
    m_MsRedigeret = false;
    return true;
}
