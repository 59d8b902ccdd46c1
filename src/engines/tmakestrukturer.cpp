#include "engines/tmakestrukturer.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/stier.h"
#include "engines/tmappemodel.h"
#include "platform/filinfo.h"
#include "platform/mappelaeser.h"

#include <QSet>

#include <algorithm>

namespace {


// Folders are shown in name order, as a user expects and as the listing
// order of the original file systems gave.
void sorter(std::vector<SLPost> &liste)
{
    dansk::sorterEfterNavn(liste, 0, [](const SLPost &p) -> const QString & { return p.tekst; });
}

} // namespace

bool TMakeStrukturer::erBeskyttet(const QString &navn, const QString &foraelder)
{
    static const QSet<QString> system = {"bin", "boot", "dev", "etc", "lib", "lib32", "lib64", "libx32",
                                         "proc", "root", "run", "sbin", "srv", "sys", "usr", "var", "snap"};
    if (dansk::ensAZ(navn, QStringLiteral("Windows")) || dansk::ensAZ(navn, QStringLiteral("Program Files"))
        || dansk::ensAZ(navn, QStringLiteral("Program Files (x86)")))
        return true;
    return foraelder == QLatin1String("/") && system.contains(navn);
}

int TMakeStrukturer::getDrevType(const QString &rod) const
{
    return m_drev.type(rod);
}

QString TMakeStrukturer::getVolumeLabel(const QString &rod) const
{
    return m_drev.etiket(rod);
}

QList<TMakeStrukturer::DrevRaekke> TMakeStrukturer::drevRaekker() const
{
    QList<DrevRaekke> ud;
    for (const Drevdata &d : m_drev.viste()) {
        DrevRaekke r;
        r.mappe = d.mappe;
        if (d.type == Drev::Cd) {
            r.tekst = QStringLiteral("Diskdrev(") + d.mappe + QLatin1Char(')');
            r.billede = 12;
        } else {
            // An unlabelled drive starts with the blank: " (/)".
            r.tekst = d.etiket + QStringLiteral(" (") + d.mappe + QLatin1Char(')');
            r.billede = d.mappe == QLatin1String("/") ? 1 : 2;
        }
        ud.append(r);
    }
    return ud;
}

QStringList TMakeStrukturer::visteDrevMapper() const
{
    QStringList ud;
    for (const DrevRaekke &r : drevRaekker())
        ud.append(r.mappe);
    return ud;
}

QString TMakeStrukturer::drevAfSti(const QString &sti) const
{
    return Drev::drevAfSti(sti, m_drev.viste());
}

void TMakeStrukturer::tilfoejDrevRaekke(const DrevRaekke &r)
{
    Struktur1->tilfoejNode({}, r.tekst, r.billede, StrukturRec{r.mappe, {}, IdDrev});
}

void TMakeStrukturer::makePreStruktur(bool asFirst)
{
    if (asFirst)
        Struktur1->ryd();
    const QString hjem = m_specialMapper.hjem();
    const StrukturRec brugerRec{filinfo::erMappe(hjem) ? hjem : QStringLiteral("/"), {}, IdPrivat};
    const QModelIndex bruger = Struktur1->tilfoejNode({}, Brugernavn, 11, brugerRec);

    const struct { QString tekst; int billede; QString mappe; } private_[] = {
        {QStringLiteral("Skrivebord"), 9, m_specialMapper.skrivebord()},
        {QStringLiteral("Dokumenter"), 6, m_specialMapper.dokumenter()},
        {QStringLiteral("Billeder"), 5, m_specialMapper.billeder()},
        {QStringLiteral("Musik"), 7, m_specialMapper.musik()},
        {QStringLiteral("Videoer"), 8, m_specialMapper.videoer()},
        {QStringLiteral("Favoritter"), 10, m_specialMapper.favoritter()},
    };
    for (const auto &p : private_) {
        // A standard folder switched off in user-dirs points at the home
        // itself; it would only repeat the user node.
        if (p.mappe != hjem && filinfo::erMappe(p.mappe))
            Struktur1->tilfoejNode(bruger, p.tekst, p.billede, StrukturRec{p.mappe, {}, IdPrivat});
    }
    Struktur1->udfold(Struktur1->foersteNode());
}

void TMakeStrukturer::makePreDrives()
{
    if (ShowPrivate)
        makePreStruktur(true);
    else
        Struktur1->ryd();
    for (const DrevRaekke &r : drevRaekker())
        tilfoejDrevRaekke(r);
}

QString TMakeStrukturer::makeStruktur1()
{
    makePreDrives();
    if (Struktur1->tom())
        return {};
    Struktur1->vaelg(Struktur1->foersteNode());
    return Struktur1->rec(Struktur1->foersteNode()).mappe;
}

void TMakeStrukturer::makeDrive(const QString &aDrive)
{
    if (ShowPrivate) {
        makePreStruktur(true);
        Struktur1->foldAltSammen();
    } else {
        Struktur1->ryd();
    }
    const QString drev = stier::udenSkraastreg(aDrive);
    for (const DrevRaekke &r : drevRaekker()) {
        if (r.mappe == drev)
            tilfoejDrevRaekke(r);
    }
}

QModelIndex TMakeStrukturer::topNodeMedMappe(const QString &mappe) const
{
    for (int i = 0; i < Struktur1->rowCount(); ++i) {
        const QModelIndex n = Struktur1->index(i, 0);
        if (Struktur1->rec(n).mappe == mappe)
            return n;
    }
    return {};
}

void TMakeStrukturer::makeHisDrive(const QString &aDrive)
{
    if (topNodeMedMappe(aDrive).isValid())
        return;
    for (const DrevRaekke &r : drevRaekker()) {
        if (r.mappe != aDrive)
            continue;
        if (StartNo == 0)
            Struktur1->ryd();
        tilfoejDrevRaekke(r);
        ++StartNo;
        return;
    }
}

void TMakeStrukturer::addSL(const QString &dir)
{
    MappeLaeser laeser(dir);
    const QSet<QString> skjulte = ShowHidden ? QSet<QString>() : MappeLaeser::skjulteNavne(dir);
    const QString forstavelse = stier::delimKon(dir);
    const QString foraelder = stier::udenSkraastreg(dir);
    const size_t foer = SL.size();
    MappeLaeser::Post post;
    while (laeser.naeste(post)) {
        if (post.art != MappeLaeser::Art::Mappe)
            continue;
        if (!ShowHidden && MappeLaeser::erSkjult(post.navn, skjulte))
            continue;
        const qint32 id = erBeskyttet(post.navn, foraelder) ? IdBeskyttet : IdMappe;
        SL.push_back(SLPost{post.navn, StrukturRec{forstavelse + post.navn, {}, id}});
    }
    std::vector<SLPost> nye(SL.begin() + qsizetype(foer), SL.end());
    sorter(nye);
    std::copy(nye.begin(), nye.end(), SL.begin() + qsizetype(foer));
}

void TMakeStrukturer::tilfoejBoernFraSL(const QModelIndex &node)
{
    std::vector<TMappeModel::NyNode> noder;
    noder.reserve(SL.size());
    for (const SLPost &p : SL)
        noder.push_back({p.tekst, 3, p.rec});
    Struktur1->tilfoejNoder(node, noder);
    Struktur1->setBoernLaest(node, true);
}

bool TMakeStrukturer::udfoldNode(const QModelIndex &node)
{
    if (!node.isValid())
        return false;
    Struktur1->sletBoern(node);
    SL.clear();
    addSL(Struktur1->rec(node).mappe);
    tilfoejBoernFraSL(node);
    if (SL.empty())
        return false;
    Struktur1->udfold(node);
    return true;
}

QString TMakeStrukturer::udfoldDirectory()
{
    if (Struktur1->tom())
        return {};
    QModelIndex node = Struktur1->valgtNode();
    if (!node.isValid()) {
        node = Struktur1->foersteNode();
        Struktur1->vaelg(node);
    }
    const QString mappe = Struktur1->rec(node).mappe;
    Struktur1->sletBoern(node);
    SL.clear();
    addSL(mappe);
    if (SL.empty() && getDrevType(mappe) == Drev::Cd) {
        if (Struktur1->aktiv(node)) {
            Struktur1->setTekst(node, Struktur1->tekst(node) + QStringLiteral(" TOM"));
            Struktur1->setAktiv(node, false);
        }
        return QStringLiteral("Ikke tilgængeligt");
    }
    tilfoejBoernFraSL(node);
    Struktur1->udfold(node);
    return mappe;
}

QModelIndex TMakeStrukturer::getStartNode(const QModelIndex &node, const QString &aBib)
{
    if (!node.isValid())
        return {};
    QModelIndex n = node;
    while (Struktur1->rec(n).mappe != aBib) {
        const QModelIndex naeste = n.siblingAtRow(n.row() + 1);
        if (!naeste.isValid())
            break;
        n = naeste;
    }
    udfoldNode(n);
    return n;
}

QModelIndex TMakeStrukturer::foersteDrevNode() const
{
    // With the private section shown the drives follow its user node.
    const QModelIndex foerste = Struktur1->foersteNode();
    if (ShowPrivate && Struktur1->rec(foerste).ID == IdPrivat)
        return foerste.siblingAtRow(1);
    return foerste;
}

void TMakeStrukturer::udfoldMedValg(const QModelIndex &node)
{
    Struktur1->vaelg(node);
    udfoldNode(node);
}

bool TMakeStrukturer::udfoldStruktur1(const QString &aDirectory, bool medAlleDrev)
{
    QString sti = aDirectory;
    if (filinfo::erFil(sti) && !filinfo::erMappe(sti))
        sti = stier::mappeAf(sti);
    if (!filinfo::erMappe(sti)) {
        const QModelIndex valgt = Struktur1->valgtNode();
        sti = Struktur1->rec(valgt).mappe;
        if (!valgt.isValid() || !filinfo::erMappe(sti))
            return false;
    }
    sti = stier::udenSkraastreg(sti);
    const QString drev = drevAfSti(sti);

    Struktur1->ryd();
    if (medAlleDrev)
        makePreDrives();
    else
        makeDrive(drev);
    if (Struktur1->tom() || drev.isEmpty())
        return false;
    const QStringList dele = stier::dele(sti, drev);

    const QModelIndex drevNode = getStartNode(foersteDrevNode(), drev);
    if (!drevNode.isValid() || Struktur1->rec(drevNode).mappe != drev)
        return false;
    if (dele.size() == 1) {
        Struktur1->vaelg(drevNode);
        return true;
    }
    udfoldMedValg(drevNode);
    QModelIndex barn = Struktur1->index(0, 0, drevNode);
    qsizetype i = 1;
    while (barn.isValid()) {
        if (Struktur1->tekst(barn) != dele.at(i)) {
            barn = barn.siblingAtRow(barn.row() + 1);
            continue;
        }
        udfoldMedValg(barn);
        if (i == dele.size() - 1)
            return true;
        ++i;
        barn = Struktur1->index(0, 0, barn);
    }
    return false;
}

bool TMakeStrukturer::valgtIPrivat() const
{
    QModelIndex n = Struktur1->valgtNode();
    while (n.parent().isValid())
        n = n.parent();
    return n.isValid() && Struktur1->rec(n).ID == IdPrivat;
}

bool TMakeStrukturer::udfoldIPrivat(const QString &aDirectory)
{
    const QString sti = stier::udenSkraastreg(aDirectory);
    const QModelIndex bruger = Struktur1->foersteNode();
    if (!bruger.isValid() || Struktur1->rec(bruger).ID != IdPrivat)
        return false;
    QModelIndexList private_{bruger};
    for (int r = 0; r < Struktur1->rowCount(bruger); ++r) {
        const QModelIndex n = Struktur1->index(r, 0, bruger);
        if (Struktur1->rec(n).ID == IdPrivat)
            private_.append(n);
    }
    QModelIndex start;
    for (const QModelIndex &n : std::as_const(private_)) {
        const QString mappe = Struktur1->rec(n).mappe;
        const bool holder = sti == mappe || sti.startsWith(stier::delimKon(mappe));
        if (holder && (!start.isValid() || mappe.size() > Struktur1->rec(start).mappe.size()))
            start = n;
    }
    if (!start.isValid())
        return false;
    Struktur1->udfold(bruger);
    const QString rest = sti.mid(stier::delimKon(Struktur1->rec(start).mappe).size());
    QModelIndex node = start;
    for (const QString &del : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        // Read as the user's own opening of the level would read it.
        udfoldNode(node);
        const QString naeste = stier::delimKon(Struktur1->rec(node).mappe) + del;
        QModelIndex fundet;
        for (int r = 0; r < Struktur1->rowCount(node) && !fundet.isValid(); ++r) {
            if (Struktur1->rec(Struktur1->index(r, 0, node)).mappe == naeste)
                fundet = Struktur1->index(r, 0, node);
        }
        if (!fundet.isValid())
            return false;
        node = fundet;
    }
    // The user node itself keeps its standard folders open below it.
    if (node == bruger)
        Struktur1->vaelg(node);
    else
        udfoldMedValg(node);
    return true;
}

void TMakeStrukturer::rensListe(QStringList &liste) const
{
    for (qsizetype i = liste.size() - 1; i >= 0; --i) {
        if (!filinfo::erMappe(liste.at(i)))
            liste.removeAt(i);
        else
            liste[i] = stier::udenSkraastreg(liste.at(i));
    }
}

void TMakeStrukturer::makeHistoryStruktur(QStringList &liste)
{
    rensListe(liste);
    if (liste.isEmpty()) {
        makePreDrives();
        Struktur1->vaelg(Struktur1->foersteNode());
        return;
    }
    Struktur1->ryd();
    StartNo = 0;
    for (qsizetype i = liste.size() - 1; i >= 0; --i)
        makeHisDrive(drevAfSti(liste.at(i)));

    for (const QString &sti : liste) {
        const QString drev = drevAfSti(sti);
        const QStringList dele = stier::dele(sti, drev);
        if (drev.isEmpty() || dele.size() < 2)
            continue;
        QModelIndex node = topNodeMedMappe(drev);
        if (!node.isValid())
            continue;
        QString loebende = drev;
        for (qsizetype d = 1; d < dele.size(); ++d) {
            const QString foraelder = loebende;
            loebende = stier::delimKon(loebende) + dele.at(d);
            QModelIndex fundet;
            for (int r = 0; r < Struktur1->rowCount(node); ++r) {
                const QModelIndex barn = Struktur1->index(r, 0, node);
                if (Struktur1->tekst(barn) == dele.at(d)) {
                    fundet = barn;
                    break;
                }
            }
            if (!fundet.isValid()) {
                const qint32 id = erBeskyttet(dele.at(d), foraelder) ? IdBeskyttet : IdMappe;
                fundet = Struktur1->tilfoejNode(node, dele.at(d), 3, StrukturRec{loebende, {}, id});
            }
            node = fundet;
        }
    }
    Struktur1->udfoldAlt();
}

QString TMakeStrukturer::udfoldMappe(const QString &aDirectory)
{
    Struktur1->ryd();
    if (!filinfo::erMappe(aDirectory)) {
        makePreDrives();
        Struktur1->vaelg(Struktur1->foersteNode());
        return {};
    }
    const QString sti = stier::udenSkraastreg(aDirectory);
    const QString drev = drevAfSti(sti);
    if (drev.isEmpty()) {
        informer(beskeder::ukendtFejl() + QLatin1Char('\r'));
        return {};
    }
    const QStringList dele = stier::dele(sti, drev);
    QStringList kumulativ{drev};
    for (qsizetype i = 1; i < dele.size(); ++i)
        kumulativ.append(stier::delimKon(kumulativ.last()) + dele.at(i));
    const QString sidste = kumulativ.last();
    makeHistoryStruktur(kumulativ);
    return stier::delimKon(sidste);
}

void TMakeStrukturer::makePunktStruktur(QStringList &liste)
{
    rensListe(liste);
    if (liste.isEmpty()) {
        makePreDrives();
        Struktur1->vaelg(Struktur1->foersteNode());
        return;
    }
    const QStringList drevMapper = visteDrevMapper();
    Struktur1->ryd();
    StartNo = 0;
    bool alleErDrev = true;
    for (const QString &sti : liste) {
        if (drevMapper.contains(sti))
            makeHisDrive(sti);
        else
            alleErDrev = false;
    }
    if (!alleErDrev) {
        const bool kunMapper = Struktur1->tom();
        for (const QString &sti : liste) {
            if (!kunMapper && drevMapper.contains(sti))
                continue;
            const QString navn = stier::getLastDirectory(sti, drevMapper);
            const qint32 id = erBeskyttet(navn, stier::mappeAf(sti)) ? IdBeskyttet : IdMappe;
            Struktur1->tilfoejNode({}, navn, 3, StrukturRec{sti, {}, id});
        }
    }
    Struktur1->vaelg(Struktur1->foersteNode());
}
