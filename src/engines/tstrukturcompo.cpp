#include "engines/tstrukturcompo.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/navnenoegler.h"
#include "core/stier.h"
#include "engines/baggrundsarbejde.h"
#include "engines/filbilleder.h"
#include "engines/filsortering.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "platform/filinfo.h"
#include "platform/hukommelse.h"
#include "platform/mappelaeser.h"
#include "platform/tekstfil.h"

#include <QAction>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include <optional>

#include <algorithm>

namespace {

QString medPunktum(const QString &ext)
{
    return ext.isEmpty() || ext.startsWith(QLatin1Char('.')) ? ext : QLatin1Char('.') + ext;
}

// Shows a listing in the file tree. The keys of a big listing and the rows
// it replaces were big blocks, now free: their pages go back to the system
// once the new rows have been painted.
void vis(TFilModel *model, TFilModel::Liste liste)
{
    constexpr size_t Stor = 10000;
    const bool stor = size_t(model->antal()) >= Stor || liste.poster.size() >= Stor;
    model->saet(std::move(liste));
    if (stor)
        QTimer::singleShot(0, model, [] { hukommelse::frigivLedige(); });
}

// Puts a listing in the order `s` asks for; a sort by size or date reads
// them for every row first, through the folder, and hands them on.
void sorter(TFilModel::Liste &liste, Sortering s)
{
    if (filsortering::behoeverDetaljer(s)) {
        liste.detaljer = filinfo::detaljerI(liste.forstavelse, liste.poster.size(), [&](size_t i) {
            const TFilModel::Post &p = liste.poster[i];
            return QStringView(liste.navne).mid(p.fra, p.laengde);
        });
    }
    const std::vector<quint32> orden =
        filsortering::orden(liste.navne, TFilModel::sorteringsraekker(liste.poster), liste.detaljer, s);
    filsortering::anvend(liste.poster, orden);
    filsortering::anvend(liste.detaljer, orden);
}

// Makes room for a folder's names and rows at once, guessed from the size
// of the folder itself: growing the buffers entry by entry would copy and
// touch the memory of a big folder several times over. The guess is
// capped, since a network file system may report any size for a folder.
void reserverTil(TFilModel::Liste &liste, qint64 mappestoerrelse)
{
    constexpr qint64 Loft = 8 * 1024 * 1024;
    const qint64 bytes = std::min(mappestoerrelse, Loft);
    // An entry takes a header of about eight bytes and its name, at least
    // a byte per character, in the folder's own data.
    liste.navne.reserve(bytes / 2);
    liste.poster.reserve(size_t(bytes / 32));
}

// A filter or a guess too high leaves room unused, which the listing would
// hold as long as it is shown; it is given back.
void givUbrugtPladsTilbage(TFilModel::Liste &liste)
{
    if (liste.navne.capacity() - liste.navne.size() > liste.navne.size() / 4)
        liste.navne.squeeze();
    if (liste.poster.capacity() - liste.poster.size() > liste.poster.size() / 4)
        liste.poster.shrink_to_fit();
}

// Reads the folder `dir` that `laeser` has open, of the size it reported,
// for the file tree: its folders first, then its files, each part in the
// order `sortering` gives. `ext` (".txt"), when given, keeps only files of
// that type and no folders.
TFilModel::Liste laesMappe(MappeLaeser &laeser, qint64 mappestoerrelse, const QString &dir, bool medSkjulte,
                           bool kunFiltype, const QString &ext, Sortering sortering)
{
    TFilModel::Liste liste;
    liste.forstavelse = stier::delimKon(dir);
    if (!laeser.aaben())
        return liste;
    reserverTil(liste, mappestoerrelse);
    const QSet<QString> skjulte = medSkjulte ? QSet<QString>() : MappeLaeser::skjulteNavne(dir);
    MappeLaeser::Post post;
    while (laeser.naeste(post)) {
        if (!medSkjulte && MappeLaeser::erSkjult(post.navn, skjulte))
            continue;
        const bool mappe = post.art == MappeLaeser::Art::Mappe;
        if (kunFiltype && (mappe || (!ext.isEmpty() && !dansk::ensAZ(stier::udvidelse(post.navn), ext))))
            continue;
        const TFilModel::Post p{quint32(liste.navne.size()), quint32(post.navn.size()), mappe ? IdMappe : IdFil,
                                mappe ? 1 : filbilleder::getFilensImageIndex(post.navn)};
        liste.navne += post.navn;
        liste.poster.push_back(p);
    }
    givUbrugtPladsTilbage(liste);
    sorter(liste, sortering);
    return liste;
}

// A folder this big is read and sorted on a thread of its own while the
// window keeps painting (a few thousand entries on any file system: a
// folder's own size grows with its entries).
bool erStor(qint64 mappestoerrelse)
{
    constexpr qint64 StorMappe = 64 * 1024;
    return mappestoerrelse >= StorMappe;
}

} // namespace

std::optional<TFilModel::Liste> TStrukturCompo::laes(const QString &dir, bool medSkjulte, bool kunFiltype,
                                                     const QString &ext)
{
    const Sortering sortering = m_sortering;
    MappeLaeser laeser(dir);
    const qint64 stoerrelse = laeser.mappestoerrelse();
    auto laesDen = [&] { return laesMappe(laeser, stoerrelse, dir, medSkjulte, kunFiltype, ext, sortering); };
    if (!erStor(stoerrelse))
        return laesDen();
    TFilModel::Liste liste;
    const QPointer<TStrukturCompo> selv(this);
    ++m_lister;
    baggrundsarbejde::koer([&] { liste = laesDen(); });
    // The program may have closed the window meanwhile.
    if (!selv)
        return std::nullopt;
    --m_lister;
    return liste;
}

QString TStrukturCompo::makeStruktur2(const QString &aDirectory)
{
    QString mappe = stier::udenSkraastreg(aDirectory);
    if (!filinfo::erMappe(mappe))
        mappe = Struktur1 ? Struktur1->rec(Struktur1->foersteNode()).mappe : QString();
    if (mappe.isEmpty()) {
        Mappenavn = mappe;
        Struktur2->ryd();
        huskVisning(mappe, false, {});
        return mappe;
    }
    // The shown rows and the folder name change together, after the
    // listing, so that nothing asked meanwhile pairs the new folder with
    // the old rows. A listing asked for while this one was read is newer:
    // it has been shown and stays.
    const quint64 nr = ++m_listeNr;
    std::optional<TFilModel::Liste> liste = laes(mappe, ShowHidden, false, {});
    if (!liste)
        return {};
    if (nr != m_listeNr)
        return Mappenavn;
    Mappenavn = mappe;
    vis(Struktur2, std::move(*liste));
    huskVisning(mappe, false, {});
    return mappe;
}

int TStrukturCompo::makeStrukturFil(const QString &aExt)
{
    // Hidden files are left out of an isolated type whatever the tree shows.
    const QString mappe = Mappenavn;
    const QString ext = medPunktum(aExt);
    const quint64 nr = ++m_listeNr;
    std::optional<TFilModel::Liste> liste = laes(mappe, false, true, ext);
    if (!liste)
        return 0;
    if (nr != m_listeNr)
        return Struktur2->antal();
    const int antal = int(liste->poster.size());
    vis(Struktur2, std::move(*liste));
    huskVisning(mappe, true, ext);
    return antal;
}

void TStrukturCompo::setSortering(Sortering s)
{
    if (s == m_sortering)
        return;
    m_sortering = s;
    Struktur2->sorter(s);
}

int TStrukturCompo::fremvisFiltype(const QString &aExt)
{
    if (aExt.isEmpty())
        return 0;
    const QString ext = medPunktum(aExt);
    m_vist.fremhaevet = ext;
    Struktur2->fravaelgAlle();
    int antal = 0;
    for (int r = 0; r < Struktur2->antal(); ++r) {
        const QString &fil = Struktur2->raekke(r).rec.filnavn;
        if (!fil.isEmpty() && dansk::ensAZ(stier::udvidelse(stier::getLastDirectory(fil)), ext)) {
            Struktur2->setBillede(r, filbilleder::Fremhaevet);
            ++antal;
        }
    }
    return antal;
}

QString TStrukturCompo::getDirectory()
{
    const QModelIndex node = Struktur1->valgtNode();
    if (!node.isValid())
        return {};
    const QString mappe = Struktur1->rec(node).mappe;
    if (filinfo::erMappe(mappe))
        makeStruktur2(mappe);
    return mappe;
}

QString TStrukturCompo::getFileDirectory(bool FjernSelect)
{
    if (MultiSelect)
        return {};
    // Every key in the file tree comes here: the listed folder is looked at
    // only when the chosen row is gone from the disk.
    const auto listetMappe = [this] { return filinfo::erMappe(Mappenavn) ? Mappenavn : QString(); };
    const int r = Struktur2->valgtRaekke();
    if (r < 0) {
        Filnavn.clear();
        return listetMappe();
    }
    const StrukturRec &rec = Struktur2->raekke(r).rec;
    QString ud;
    if (filinfo::erMappe(rec.mappe))
        ud = rec.mappe;
    else if (filinfo::erFil(rec.filnavn))
        ud = rec.filnavn;
    else
        ud = listetMappe();
    if (FjernSelect && Struktur2->antalValgte() > 1)
        Struktur2->fravaelgAlle();
    return ud;
}

QString TStrukturCompo::getFocusDirectory(const QModelIndex &node)
{
    const QString mappe = Struktur1->rec(node).mappe;
    if (node.isValid() && filinfo::erMappe(mappe)) {
        Struktur1->vaelg(node);
        Mappenavn = mappe;
        return mappe;
    }
    Struktur1->fravaelgAlle();
    return {};
}

QString TStrukturCompo::getFocusFilDirectory(int raekke)
{
    if (raekke < 0 || raekke >= Struktur2->antal()) {
        Struktur2->fravaelgAlle();
        return Mappenavn;
    }
    Struktur2->vaelg(raekke);
    const StrukturRec &rec = Struktur2->raekke(raekke).rec;
    if (!rec.mappe.isEmpty())
        Mappenavn = rec.mappe;
    else
        Filnavn = rec.filnavn;
    return Mappenavn;
}

QString TStrukturCompo::udfoldFileDirectory() const
{
    const int r = Struktur2->valgtRaekke();
    if (r < 0)
        return {};
    const StrukturRec &rec = Struktur2->raekke(r).rec;
    if (filinfo::erMappe(rec.mappe))
        return rec.mappe;
    if (filinfo::erFil(rec.filnavn))
        return rec.filnavn;
    return {};
}

int TStrukturCompo::getNodeId() const
{
    if (AktiveStruktur == Trae::Mappe) {
        const QModelIndex n = Struktur1->valgtNode();
        return n.isValid() ? Struktur1->rec(n).ID : IdIngen;
    }
    if (AktiveStruktur == Trae::Fil) {
        const int r = Struktur2->valgtRaekke();
        return r >= 0 ? Struktur2->raekke(r).rec.ID : IdIngen;
    }
    return IdIngen;
}

QString TStrukturCompo::valgtElement(bool kunNavn)
{
    Filnavn.clear();
    if (AktiveStruktur == Trae::Mappe) {
        const QModelIndex n = Struktur1->valgtNode();
        if (!n.isValid())
            return {};
        Mappenavn = Struktur1->rec(n).mappe;
        return kunNavn ? stier::getLastDirectory(Mappenavn, visteDrevMapper()) : Mappenavn;
    }
    if (AktiveStruktur == Trae::Fil) {
        const int r = Struktur2->valgtRaekke();
        if (r < 0)
            return {};
        const StrukturRec &rec = Struktur2->raekke(r).rec;
        if (filinfo::erFil(rec.filnavn)) {
            Filnavn = rec.filnavn;
            return kunNavn ? stier::getLastDirectory(Filnavn) : Filnavn;
        }
        Mappenavn = rec.mappe;
        return kunNavn ? stier::getLastDirectory(Mappenavn, visteDrevMapper()) : Mappenavn;
    }
    return {};
}

QString TStrukturCompo::getSelectedMedSti()
{
    return valgtElement(false);
}

QString TStrukturCompo::getSelected()
{
    return valgtElement(true);
}

int TStrukturCompo::loadLister(QStringList &mapper, QStringList &filer)
{
    mapper.clear();
    filer.clear();
    Filnavn.clear();
    if (AktiveStruktur == Trae::Mappe) {
        for (const QModelIndex &n : Struktur1->valgteNoder()) {
            const QString m = Struktur1->rec(n).mappe;
            if (filinfo::erMappe(m))
                mapper.append(m);
        }
    } else {
        for (int r : Struktur2->valgteRaekker()) {
            const StrukturRec &rec = Struktur2->raekke(r).rec;
            if (filinfo::erMappe(rec.mappe))
                mapper.append(rec.mappe);
            else if (filinfo::erFil(rec.filnavn))
                filer.append(rec.filnavn);
        }
    }
    return int(mapper.size() + filer.size());
}

int TStrukturCompo::getSelectListe(QStringList &liste) const
{
    for (int r : Struktur2->valgteRaekker()) {
        const QString tekst = Struktur2->tekst(r);
        if (!stier::udvidelse(tekst).isEmpty())
            liste.append(tekst);
    }
    return int(liste.size());
}

QString TStrukturCompo::SelectFil(const QString &fName)
{
    if (!filinfo::erFil(fName) || filinfo::erMappe(fName))
        return Filnavn;
    makeStruktur2(stier::mappeAf(fName));
    for (int r = 0; r < Struktur2->antal(); ++r) {
        const QString &fil = Struktur2->raekke(r).rec.filnavn;
        if (fil == fName) {
            Struktur2->vaelg(r);
            Filnavn = fil;
            return Filnavn;
        }
    }
    if (Struktur2->antal() > 0) {
        Struktur2->vaelg(0);
        const QString &fil = Struktur2->raekke(0).rec.filnavn;
        if (filinfo::erFil(fil))
            Filnavn = fil;
    }
    return Filnavn;
}

void TStrukturCompo::SelectMapperFiler(int actionNumber)
{
    if (AktiveStruktur != Trae::Fil || Struktur2->antal() == 0)
        return;
    const int valgte = Struktur2->antalValgte();
    if (actionNumber == 2 || (actionNumber == 3 && valgte == Struktur2->antal())) {
        Struktur2->fravaelgAlle();
        Filnavn.clear();
        return;
    }
    if (actionNumber == 1) {
        Struktur2->vaelgAlle();
        Filnavn.clear();
    } else if (actionNumber == 3) {
        const QList<int> foer = Struktur2->valgteRaekker();
        QList<int> omvendt;
        omvendt.reserve(Struktur2->antal() - foer.size());
        qsizetype j = 0;
        for (int r = 0; r < Struktur2->antal(); ++r) {
            if (j < foer.size() && foer[j] == r)
                ++j;
            else
                omvendt.append(r);
        }
        Struktur2->vaelgFlere(omvendt);
    } else {
        return;
    }
    emit Struktur2->fokusOenskes();
    const int r = Struktur2->valgtRaekke();
    if (r >= 0 && filinfo::erFil(Struktur2->raekke(r).rec.filnavn))
        Filnavn = Struktur2->raekke(r).rec.filnavn;
}

void TStrukturCompo::deselectMapper()
{
    if (AktiveStruktur == Trae::Mappe)
        Struktur1->fravaelgAlle();
}

QStringList TStrukturCompo::getParamListe() const
{
    QStringList ud;
    if (AktiveStruktur == Trae::Mappe)
        return ud;
    for (int r : Struktur2->valgteRaekker()) {
        const QString sti = stier::delimKon(Mappenavn) + Struktur2->tekst(r);
        if (filinfo::erFil(sti) && !filinfo::erMappe(sti))
            ud.append(sti);
    }
    return ud;
}

QString TStrukturCompo::makeParamString() const
{
    QStringList citeret;
    for (const QString &sti : getParamListe())
        citeret.append(QLatin1Char('"') + sti + QLatin1Char('"'));
    return citeret.join(QLatin1Char(' '));
}

bool TStrukturCompo::GemStrukturen()
{
    if (!Struktur1 || Struktur1->tom())
        return false;
    QStringList linjer;
    for (const QModelIndex &n : Struktur1->alleNoder()) {
        const QString m = Struktur1->rec(n).mappe;
        if (filinfo::erMappe(m))
            linjer.append(m);
    }
    switch (tekstfil::skriv(GemHentFilnavn, linjer)) {
    case tekstfil::Skrivning::Skrevet:
        return true;
    case tekstfil::Skrivning::Fejl:
        informer(beskeder::ukendtFejl());
        break;
    case tekstfil::Skrivning::Afvist:   // told when it was read
        break;
    }
    return false;
}

bool TStrukturCompo::HentStrukturen(int fremstillingsNo)
{
    tekstfil::Laesning status;
    QStringList liste = tekstfil::hent(GemHentFilnavn, tekstfil::Art::Liste, &status);
    if (status == tekstfil::Laesning::Mangler) {
        informer(QStringLiteral("Der er ikke gemt en struktur."));
        return false;
    }
    if (status == tekstfil::Laesning::Fejl)
        return false;   // the user has been told what is wrong with the file
    if (fremstillingsNo == 1)
        makePunktStruktur(liste);
    else
        makeHistoryStruktur(liste);
    return true;
}

QList<QAction *> TStrukturCompo::makeDrevMenu(QObject *ejer)
{
    QList<QAction *> ud;
    for (const DrevRaekke &r : drevRaekker()) {
        // "&" would mark a menu accelerator; the caption shows it as typed.
        auto *a = new QAction(QString(r.tekst).replace(QLatin1Char('&'), QStringLiteral("&&")), ejer);
        a->setData(r.mappe);
        a->setProperty("billede", r.billede);
        connect(a, &QAction::triggered, this, [this, a] { drevKlik(a); });
        ud.append(a);
    }
    return ud;
}

void TStrukturCompo::drevKlik(QAction *item)
{
    const QString drev = item ? item->data().toString() : QString();
    if (drev.isEmpty()) {
        informer(beskeder::ukendtFejl() + QLatin1Char('\r'));
        return;
    }
    if (AktiveStruktur == Trae::Mappe) {
        Struktur1->ryd();
        makeDrive(drev);
        udfoldDirectory();
        emit onDirectoryChange(drev, false);
    } else if (AktiveStruktur == Trae::Fil) {
        makeStruktur2(drev);
        emit onDirectoryChange(drev, true);
    }
}
