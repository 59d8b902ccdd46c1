// The tree engine following the disk: which folders it watches and how a
// change in one of them is shown.
#include "engines/tstrukturcompo.h"

#include "core/stier.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmappevagt.h"
#include "platform/filinfo.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace {

// The deepest folder above `sti` that still exists.
QString naermesteMappe(QString sti)
{
    while (!sti.isEmpty() && !filinfo::erMappe(sti)) {
        const QString op = stier::mappeAf(sti);
        if (op == sti)
            return {};
        sti = op;
    }
    return sti;
}

} // namespace

void TStrukturCompo::setFoelgDisken(bool foelg)
{
    if (!foelg) {
        delete m_vagt;
        m_vagt = nullptr;
        return;
    }
    if (m_vagt)
        return;
    m_vagt = new TMappeVagt(this);
    connect(m_vagt, &TMappeVagt::aendret, this, &TStrukturCompo::opdaterFraDisk);
    if (!m_vagtTimer) {
        // What is watched is worked out once after a round of changes to
        // the folder tree, not once per node.
        m_vagtTimer = new QTimer(this);
        m_vagtTimer->setSingleShot(true);
        m_vagtTimer->setInterval(0);
        connect(m_vagtTimer, &QTimer::timeout, this, &TStrukturCompo::opdaterVagt);
        if (Struktur1) {
            connect(Struktur1, &QAbstractItemModel::rowsInserted, this, &TStrukturCompo::planlaegVagt);
            connect(Struktur1, &QAbstractItemModel::rowsRemoved, this, &TStrukturCompo::planlaegVagt);
            connect(Struktur1, &QAbstractItemModel::modelReset, this, &TStrukturCompo::planlaegVagt);
            connect(Struktur1, &TMappeModel::udfoldningerSkiftet, this, &TStrukturCompo::planlaegVagt);
        }
    }
    planlaegVagt();
}

void TStrukturCompo::huskVisning(const QString &mappe, bool kunFiltype, const QString &ext)
{
    m_vist = Visning{mappe, kunFiltype, ext, {}};
    planlaegVagt();
}

void TStrukturCompo::planlaegVagt()
{
    if (m_vagt && m_vagtTimer && !m_vagtTimer->isActive())
        m_vagtTimer->start();
}

void TStrukturCompo::opdaterVagt()
{
    if (m_vagt)
        m_vagt->foelg(visteMapper(nullptr));
}

// The folders the user sees the contents of: the listed one first, then
// every open folder of the folder tree whose own parents are open too.
QStringList TStrukturCompo::visteMapper(std::vector<QModelIndex> *noder) const
{
    QStringList ud;
    if (!m_vist.mappe.isEmpty())
        ud.append(m_vist.mappe);
    if (!Struktur1)
        return ud;
    std::vector<QModelIndex> stak;
    for (int r = Struktur1->rowCount() - 1; r >= 0; --r)
        stak.push_back(Struktur1->index(r, 0));
    while (!stak.empty()) {
        const QModelIndex n = stak.back();
        stak.pop_back();
        if (!Struktur1->erUdfoldet(n))
            continue;
        ud.append(Struktur1->rec(n).mappe);
        if (noder)
            noder->push_back(n);
        for (int r = Struktur1->rowCount(n) - 1; r >= 0; --r)
            stak.push_back(Struktur1->index(r, 0, n));
    }
    return ud;
}

void TStrukturCompo::opdaterFraDisk(const QStringList &mapper)
{
    // A listing under way or a name being edited must not be pulled away
    // under the user: the change waits and comes again.
    if (lister() || (m_maaOpdatere && !m_maaOpdatere())) {
        if (m_vagt)
            m_vagt->udsaet(mapper);
        return;
    }
    const QSet<QString> aendrede(mapper.begin(), mapper.end());
    emit foerOpdateringFraDisk();
    if (Struktur1) {
        std::vector<QModelIndex> noder;
        visteMapper(&noder);
        // A node may go while its siblings are brought up to date.
        std::vector<QPersistentModelIndex> faste(noder.begin(), noder.end());
        for (const QPersistentModelIndex &n : faste) {
            if (n.isValid() && aendrede.contains(Struktur1->rec(n).mappe))
                opdaterMappeNode(n);
        }
    }
    bool sammeMappe = true;
    if (Struktur2 && !m_vist.mappe.isEmpty() && aendrede.contains(m_vist.mappe)) {
        // A big folder is read while events are handled: the window may
        // close meanwhile.
        const QPointer<TStrukturCompo> selv(this);
        sammeMappe = genlaesFilStruktur();
        if (!selv)
            return;
    }
    emit efterOpdateringFraDisk(sammeMappe);
    planlaegVagt();
}

std::vector<SLPost> TStrukturCompo::undermapper(const QString &mappe)
{
    // SL is the engine's scratch table; a read between other work leaves it
    // as it was.
    std::vector<SLPost> gemt = std::move(SL);
    SL.clear();
    addSL(mappe);
    std::vector<SLPost> ud = std::move(SL);
    SL = std::move(gemt);
    return ud;
}

// Brings one open folder's children in line with the disk: children that
// are gone are removed and new folders are inserted in their place in the
// name order, so every other node keeps its selection and what is open
// under it. The chosen folders of a structure are not a folder's whole
// contents: there only what is gone is removed.
void TStrukturCompo::opdaterMappeNode(const QModelIndex &node)
{
    const QString mappe = Struktur1->rec(node).mappe;
    const bool helListe = Struktur1->boernLaest(node);
    std::vector<SLPost> nye;
    QSet<QString> nyeStier;
    if (helListe && filinfo::erMappe(mappe)) {
        nye = undermapper(mappe);
        for (const SLPost &p : nye)
            nyeStier.insert(p.rec.mappe);
    }
    auto barnesti = [&](int r) { return Struktur1->rec(Struktur1->index(r, 0, node)).mappe; };
    auto vaek = [&](int r) {
        const QString sti = barnesti(r);
        return helListe ? !nyeStier.contains(sti) : !filinfo::erMappe(sti);
    };
    for (int r = Struktur1->rowCount(node) - 1; r >= 0;) {
        int antal = 0;
        while (r >= 0 && vaek(r)) {
            ++antal;
            --r;
        }
        if (antal > 0)
            Struktur1->fjernNoder(node, r + 1, antal);
        else
            --r;
    }
    if (!helListe)
        return;

    QSet<QString> har;
    for (int r = 0; r < Struktur1->rowCount(node); ++r)
        har.insert(barnesti(r));
    std::vector<TMappeModel::NyNode> ventende;
    int ved = 0;
    auto indsaet = [&] {
        if (ventende.empty())
            return;
        Struktur1->indsaetNoder(node, ved, ventende);
        ved += int(ventende.size());
        ventende.clear();
    };
    for (const SLPost &p : nye) {
        if (!har.contains(p.rec.mappe)) {
            ventende.push_back({p.tekst, 3, p.rec});
            continue;
        }
        indsaet();
        while (ved < Struktur1->rowCount(node) && barnesti(ved) != p.rec.mappe)
            ++ved;
        if (ved < Struktur1->rowCount(node))
            ++ved;
    }
    indsaet();
}

// Lists the file tree's folder again as it was shown (the whole folder or
// one file type, with a marked type marked again) and gives back the
// selection and the current row by name. A folder that is gone is replaced
// by the nearest folder above it that still exists, and the window is told;
// false then, and also when the user listed another folder while this one
// was read, or the engine went.
bool TStrukturCompo::genlaesFilStruktur()
{
    QSet<QString> valgte;
    for (int r : Struktur2->valgteRaekker())
        valgte.insert(Struktur2->tekst(r));
    const QModelIndex c = Struktur2->valg()->currentIndex();
    const QString aktuel = c.isValid() ? Struktur2->tekst(c.row()) : QString();
    const QString mappenavn = Mappenavn;
    const QString filnavn = Filnavn;

    const Visning vist = m_vist;
    const bool vaek = !filinfo::erMappe(vist.mappe);
    const QPointer<TStrukturCompo> selv(this);
    const quint64 nr = m_listeNr;
    if (vaek) {
        makeStruktur2(naermesteMappe(vist.mappe));
    } else if (vist.kunFiltype) {
        Mappenavn = vist.mappe;
        makeStrukturFil(vist.ext);
    } else {
        makeStruktur2(vist.mappe);
    }
    if (!selv)
        return false;
    // A newer listing shown meanwhile stands as it is.
    if (m_listeNr != nr + 1)
        return false;
    if (!vaek && !vist.kunFiltype && !vist.fremhaevet.isEmpty())
        fremvisFiltype(vist.fremhaevet);
    const QString vist2 = Mappenavn;
    Mappenavn = mappenavn;
    Filnavn = filnavn;

    QList<int> raekker;
    int aktuelRaekke = -1;
    for (int r = 0; r < Struktur2->antal(); ++r) {
        const QString navn = Struktur2->tekst(r);
        if (valgte.contains(navn))
            raekker.append(r);
        if (aktuelRaekke < 0 && !aktuel.isEmpty() && navn == aktuel)
            aktuelRaekke = r;
    }
    if (!raekker.isEmpty())
        Struktur2->vaelgFlere(raekker);
    if (aktuelRaekke >= 0)
        Struktur2->valg()->setCurrentIndex(Struktur2->index(aktuelRaekke), QItemSelectionModel::NoUpdate);

    if (vaek) {
        Mappenavn = vist2;
        if (!filinfo::erFil(Filnavn))
            Filnavn.clear();
        emit onDirectoryChange(vist2, true);
    }
    return !vaek;
}
