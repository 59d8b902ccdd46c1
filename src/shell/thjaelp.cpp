#include "shell/thjaelp.h"

#include "core/datamapper.h"
#include "shell/tinfoform.h"
#include "shell/turlform1.h"

#include <QListWidget>
#include <QPushButton>

THjaelp::THjaelp(QObject *parent)
    : QObject(parent)
{
}

THjaelp::THjaelp(const DataMapper &mapper, QObject *parent)
    : QObject(parent)
{
    saetMapper(mapper);
}

void THjaelp::saetMapper(const DataMapper &mapper)
{
    m_infoDir = mapper.infoDir;
    m_strukturDir = mapper.strukturDir;
    delete m_urlform;
    m_urlform = new Turlform1(mapper.OptMappe + "urlboks.txt");
    connect(m_urlform, &Turlform1::sletAlle, this, &THjaelp::sletAlle);
    connect(m_urlform->urlListe(), &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { goToStruktur(m_urlform->urlListe()->row(item)); });
    connect(m_urlform, &Turlform1::synlighedSkiftet, this, &THjaelp::historikSkiftet);
}

THjaelp::~THjaelp()
{
    delete m_urlform;
}

void THjaelp::HentStruktur()
{
    m_indhold.HentStruktur(m_strukturDir + "/struktur.txt", m_strukturDir + "/data.txt");
}

void THjaelp::saetBrowser(Tinfoform *browser)
{
    m_browser = browser;
}

void THjaelp::InfoHelp(const QString &side)
{
    Tinfoform *b = visBrowser ? visBrowser() : m_browser.data();
    if (!b)
        return;
    b->LoadHjemmeside(side);
    const int node = m_indhold.findNodeForSide(side);
    if (node >= 0) {
        vaelg(node);
        strukturKlik(node);
    }
}

void THjaelp::InfoStruk(const QString &side, const QString &hintTekst)
{
    Tinfoform *b = visBrowser ? visBrowser() : m_browser.data();
    if (b)
        b->LoadHjemmeside(side);
    emit hint(hintTekst);
}

void THjaelp::strukturKlik(int node)
{
    if (node < 0 || node >= m_indhold.antal())
        return;
    const QString side = m_indhold.noder().at(node).side();
    InfoStruk(side + ".html", side);
}

void THjaelp::goToStruktur(int index)
{
    if (index < 0 || index >= m_historik.antal())
        return;
    m_historik.gaaTil(index);
    InfoHelp(m_historik.emner().at(index) + ".html");
    visHistorik(index);
}

void THjaelp::fyldEmner(const QStringList &emner)
{
    m_historik.fyld(emner);
    visHistorik(m_historik.aktuelIndex());
}

void THjaelp::sletAlle()
{
    m_historik.sletAlle();
    visHistorik(-1);
}

void THjaelp::titelSkiftet(const QString &titel)
{
    const auto r = m_historik.registrerTitel(titel, m_indhold);
    if (!r.aendret)
        return;
    if (r.valgtNode >= 0)
        vaelg(r.valgtNode);
    visHistorik(r.valgtEmne);
}

void THjaelp::vaelg(int node)
{
    m_valgtNode = node;
    emit vaelgNode(node);
}

void THjaelp::visHistorik(int valgt)
{
    QListWidget *liste = m_urlform->urlListe();
    const QSignalBlocker blok(liste);
    liste->clear();
    liste->addItems(m_historik.emner());
    if (valgt >= 0 && valgt < liste->count())
        liste->setCurrentRow(valgt);
    m_urlform->sletKnap()->setEnabled(liste->count() > 0);
    emit historikSkiftet();
}

QStringList THjaelp::emneStifinder()
{
    return {"Stifinderen", "Mappestrukturen", "Filstrukturen", "Højre panel", "Aktuel information",
            "Indstillinger", "Specifikke egenskaber", "Egenskaber2"};
}

QStringList THjaelp::emneKlipbordet()
{
    return {"Klipbordet", "Egenskaber"};
}

QStringList THjaelp::emneFunktioner()
{
    // The last entry repeats, as the topic list always has.
    return {"Klip", "Kopier", "Sæt ind", "Slet til papirkurv", "Slet permanent", "Omdøb",
            "Omdøb filtype", "Ny mappe", "Mappe egenskaber", "Ny fil", "Omdøb filtype"};
}

QStringList THjaelp::emneProgrammer()
{
    return {"Genveje", "Indfør programmer", "Opret mappestrukturer", "Søg i tekstfiler",
            "Billeder", "Kalender", "WMI", "Applets"};
}

Tinfoform *THjaelp::browser() const
{
    return m_browser.data();
}
