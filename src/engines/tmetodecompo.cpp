#include "engines/tmetodecompo.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/filbilleder.h"
#include "engines/navnekontrol.h"
#include "engines/nyenavne.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "platform/filinfo.h"
#include "platform/mappelaeser.h"
#include "platform/navneskift.h"
#include "platform/papirkurv.h"


namespace {

const QString IkkeValgt = QStringLiteral("Der er ikke valgt element, der skal omdøbes.");
const QString FilFejl = QStringLiteral("Der opstod en fejl ved omdøbning af fil.");
const QString MappeIkkeOprettet = QStringLiteral("Der kunne ikke oprettes en ny mappe.\rDer opstod en fejl.");
const QString NyMappe = QStringLiteral("Ny mappe");

// Another program may take a free name before we do; the next one is tried,
// a bounded number of times.
constexpr int ForsoegVedKaploeb = 100;

bool erKunStavemaadeAendring(const QString &a, const QString &b)
{
    return a != b && QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

// The files of `mappe` (and its subfolders) whose names end in `ext`, all
// collected before anything is renamed, so a renamed file is never met
// again by the listing. Links to folders are not followed.
bool findFiler(const QString &mappe, const QString &ext, bool alleMapper, QStringList &filer)
{
    QStringList mapper{mappe};
    for (qsizetype i = 0; i < mapper.size(); ++i) {
        MappeLaeser laeser(mapper[i]);
        if (!laeser.aaben()) {
            if (i == 0)
                return false;
            continue;   // an unreadable subfolder is passed over
        }
        const QString forstavelse = stier::delimKon(mapper[i]);
        MappeLaeser::Post post;
        while (laeser.naeste(post)) {
            if (post.art == MappeLaeser::Art::Mappe) {
                if (alleMapper && !post.erLink)
                    mapper.append(forstavelse + post.navn);
            } else if (post.art == MappeLaeser::Art::Fil && post.navn.size() >= ext.size()
                       && dansk::ensAZ(post.navn.right(ext.size()), ext)) {
                filer.append(forstavelse + post.navn);
            }
        }
    }
    return true;
}

// The name with its extension replaced: a typed old extension with its dot
// is cut off whole (".tar.gz"), otherwise the last extension is.
QString medNyUdvidelse(const QString &navn, const QString &oldExt, const QString &newExt)
{
    const QString rod = oldExt.startsWith(QLatin1Char('.')) ? navn.chopped(oldExt.size()) : stier::udenUdvidelse(navn);
    return rod.isEmpty() ? QString() : rod + newExt;
}

} // namespace

TMetodeCompo::TMetodeCompo(Dialogs *dialogs, QObject *ejer)
    : TMetoder(dialogs, ejer)
    , m_beskeder(dialogs)
{
}

QModelIndex TMetodeCompo::editSelected()
{
    QString tekst;
    QString afvisning;
    QModelIndex node;
    int id = IdIngen;
    if (StrukturY->aktiveStruktur() == Trae::Mappe) {
        TMappeModel *trae = StrukturY->struktur1();
        node = trae->valgtNode();
        if (node.isValid()) {
            id = trae->rec(node).ID;
            tekst = trae->tekst(node);
        }
        afvisning = QStringLiteral("må ikke omdøbes.");
    } else if (StrukturY->aktiveStruktur() == Trae::Fil) {
        TFilModel *trae = StrukturY->struktur2();
        const int r = trae->valgtRaekke();
        if (r >= 0) {
            node = trae->index(r);
            id = trae->raekke(r).rec.ID;
            tekst = trae->raekke(r).tekst;
        }
        afvisning = QStringLiteral("må ikke omdøbes");
    }
    if (!node.isValid()) {
        m_beskeder->inform(IkkeValgt);
        return {};
    }
    if (id != IdMappe && id != IdFil) {
        m_beskeder->inform(tekst + QLatin1Char('\r') + afvisning);
        return {};
    }
    return node;
}

bool TMetodeCompo::navnKanBruges(const QString &navn)
{
    const QString fejl = navnekontrol::fejl(navn);
    if (!fejl.isEmpty())
        m_beskeder->inform(fejl);
    return fejl.isEmpty();
}

bool TMetodeCompo::omdoebMappe(const QString &gammel, const QString &nytNavn, QString &ny)
{
    ny = stier::delimKon(stier::mappeAf(stier::udenSkraastreg(gammel))) + nytNavn;
    if (filinfo::findes(ny) && !navneskift::erKunStavemaade(gammel, ny))
        ny = getNewDirectoryName(ny, QString());
    if (navneskift::flyt(gammel, ny) == navneskift::Udfald::Ok)
        return true;
    m_beskeder->inform(QStringLiteral("Mappen:\r") + gammel + QStringLiteral("\rkunne ikke omdøbes til:\r") + ny);
    return false;
}

QString TMetodeCompo::RenameMappe(const QString &aOldName, const QString &aNewName, const QModelIndex &node)
{
    if (aOldName == aNewName)
        return aOldName;
    QString ny;
    if (StrukturY->aktiveStruktur() == Trae::Mappe) {
        TMappeModel *trae = StrukturY->struktur1();
        // Drives, private and protected folders never get here through
        // editSelected; a stray call must not rename them either.
        if (node.model() != trae || trae->rec(node).ID != IdMappe)
            return aOldName;
        trae->vaelg(node);
        if (!navnKanBruges(aNewName))
            return aOldName;
        if (!omdoebMappe(trae->rec(node).mappe, aNewName, ny)) {
            trae->fravaelgAlle();
            return aOldName;
        }
        StrukturY->setMappenavn(ny);
        return stier::getLastDirectory(ny);
    }
    if (StrukturY->aktiveStruktur() == Trae::Fil) {
        TFilModel *trae = StrukturY->struktur2();
        const int r = node.row();
        if (node.model() != trae || r >= trae->antal())
            return {};
        trae->vaelg(r);
        const QString gammel = trae->raekke(r).rec.mappe;
        if (!filinfo::erMappe(gammel))
            return {};
        if (!navnKanBruges(aNewName))
            return aOldName;
        const bool ok = omdoebMappe(gammel, aNewName, ny);
        trae->fravaelgAlle();
        if (!ok)
            return aOldName;
        trae->setRec(r, StrukturRec{ny, {}, IdMappe});
        StrukturY->setMappenavn(stier::mappeAf(ny));
        return stier::getLastDirectory(ny);
    }
    m_beskeder->inform(QStringLiteral("Elementet kunne ikke omdøbes.\rDer opstod en fejl."));
    return aOldName;
}

QString TMetodeCompo::nyFilsti(const QString &fil, const QString &nytNavn)
{
    // A change of letter case alone keeps the name as typed, also where the
    // volume ignores case and so reports the new name as taken by the file
    // itself. A different file of that exact name gets a numbered name.
    if (erKunStavemaadeAendring(stier::getLastDirectory(fil), nytNavn)) {
        const QString ny = stier::delimKon(stier::mappeAf(fil)) + nytNavn;
        if (!filinfo::findes(ny) || navneskift::erKunStavemaade(fil, ny))
            return ny;
    }
    return getNewFilename(fil, nytNavn, QString());
}

QString TMetodeCompo::RenameFil(const QString &aOldName, const QString &aNewName, const QModelIndex &node)
{
    if (StrukturY->aktiveStruktur() != Trae::Fil) {
        m_beskeder->inform(FilFejl);
        return aOldName;
    }
    if (aOldName == aNewName)
        return aOldName;
    TFilModel *trae = StrukturY->struktur2();
    const int r = node.row();
    if (node.model() != trae || r >= trae->antal())
        return {};
    trae->vaelg(r);
    const QString fil = trae->raekke(r).rec.filnavn;
    StrukturY->setFilnavn(fil);
    if (!filinfo::erFil(fil) || filinfo::erMappe(fil))
        return {};
    if (!navnKanBruges(aNewName))
        return aOldName;
    const QString ny = nyFilsti(fil, aNewName);
    if (navneskift::flyt(fil, ny) != navneskift::Udfald::Ok) {
        m_beskeder->inform(FilFejl);
        return aOldName;
    }
    // The row and the engine's current file follow the rename at once; the
    // picture goes by the new extension.
    trae->setRec(r, StrukturRec{{}, ny, IdFil});
    trae->setBillede(r, filbilleder::getFilensImageIndex(stier::getLastDirectory(ny)));
    StrukturY->setFilnavn(ny);
    trae->vaelg(r);
    return stier::getLastDirectory(ny);
}

QString TMetodeCompo::RenameElement(const QString &gammel, const QString &nytNavn)
{
    if (!navnKanBruges(nytNavn))
        return {};
    QString ny;
    if (filinfo::erMappe(gammel) && !filinfo::erFil(gammel)) {
        ny = stier::delimKon(stier::mappeAf(gammel)) + nytNavn;
        if (filinfo::findes(ny) && !navneskift::erKunStavemaade(gammel, ny))
            ny = getNewDirectoryName(ny, QString());
    } else {
        ny = nyFilsti(gammel, nytNavn);
    }
    if (ny == gammel)
        return ny;
    if (ny.isEmpty() || navneskift::flyt(gammel, ny) != navneskift::Udfald::Ok) {
        m_beskeder->inform(QStringLiteral("Der opstod en fejl af ukendt art, der gjorde at emnet ikke kunne omdøbes."));
        return {};
    }
    return ny;
}

QString TMetodeCompo::foraelderTilNyMappe()
{
    if (StrukturY->aktiveStruktur() == Trae::Mappe) {
        TMappeModel *trae = StrukturY->struktur1();
        const QModelIndex node = trae->valgtNode();
        const QString mappe = node.isValid() ? trae->rec(node).mappe : QString();
        return filinfo::erMappe(mappe) ? mappe : QString();
    }
    if (StrukturY->aktiveStruktur() == Trae::Fil) {
        TFilModel *trae = StrukturY->struktur2();
        const int r = trae->valgtRaekke();
        // A folder clicked in the file tree became the current folder; the
        // new folder belongs beside it, in the folder the file tree lists.
        if (r >= 0 && filinfo::erMappe(trae->raekke(r).rec.mappe))
            StrukturY->setMappenavn(stier::mappeAf(trae->raekke(r).rec.mappe));
        const QString mappe = StrukturY->mappenavn();
        return filinfo::erMappe(mappe) ? mappe : QString();
    }
    return {};
}

QString TMetodeCompo::opretMappe(const QString &sti)
{
    QString kandidat = sti;
    for (int forsoeg = 0; forsoeg < ForsoegVedKaploeb; ++forsoeg) {
        kandidat = getNewDirectoryName(kandidat, QStringLiteral("Kopi"));
        const filinfo::Oprettelse udfald = filinfo::opretMappe(kandidat);
        if (udfald == filinfo::Oprettelse::Ok)
            return kandidat;
        if (udfald != filinfo::Oprettelse::Findes)
            break;
    }
    return {};
}

QString TMetodeCompo::OpretNyMappe(const QString &mappeNavnet)
{
    const QString foraelder = foraelderTilNyMappe();
    if (foraelder.isEmpty())
        return {};
    const QString navn = mappeNavnet.isEmpty() ? NyMappe : mappeNavnet;
    if (!navnKanBruges(navn))
        return {};
    const QString ny = opretMappe(stier::delimKon(foraelder) + navn);
    if (ny.isEmpty() || !filinfo::erMappe(ny)) {
        m_beskeder->inform(MappeIkkeOprettet);
        return {};
    }
    return ny;
}

bool TMetodeCompo::SelectMappe(const QString &aNewMappe)
{
    const QString maal = stier::udenSkraastreg(aNewMappe);
    if (StrukturY->aktiveStruktur() == Trae::Mappe) {
        TMappeModel *trae = StrukturY->struktur1();
        for (int r = 0; r < trae->rowCount(); ++r) {
            const QModelIndex node = trae->index(r, 0);
            if (stier::udenSkraastreg(trae->rec(node).mappe) == maal) {
                trae->vaelg(node);
                emit mappetraeFokusOenskes();
                return true;
            }
        }
    } else if (StrukturY->aktiveStruktur() == Trae::Fil) {
        TFilModel *trae = StrukturY->struktur2();
        for (int r = 0; r < trae->antal(); ++r) {
            const QString &mappe = trae->raekke(r).rec.mappe;
            if (!mappe.isEmpty() && stier::udenSkraastreg(mappe) == maal) {
                trae->vaelg(r);
                emit trae->fokusOenskes();
                return true;
            }
        }
    }
    return false;
}

int TMetodeCompo::RenameFilExt(const QString &aDir, const QString &oldExt, const QString &newExt, bool alleMapper)
{
    if (newExt.contains(QLatin1Char('/')) || newExt.contains(QChar(0))) {
        m_beskeder->inform(QStringLiteral("Filtypen må ikke indeholde tegnet \"/\"."));
        return -1;
    }
    QStringList filer;
    if (!findFiler(stier::udenSkraastreg(aDir), oldExt, alleMapper, filer)) {
        m_beskeder->inform(beskeder::ukendtFejlUdraab());
        return -1;
    }
    for (const QString &fil : filer) {
        const QString navn = medNyUdvidelse(stier::getLastDirectory(fil), oldExt, newExt);
        if (navn.isEmpty() || !navnekontrol::fejl(navn).isEmpty())
            continue;
        const QString ny = stier::delimKon(stier::mappeAf(fil)) + navn;
        // A taken name is left alone without a report, as is the file itself.
        if (ny != fil && filinfo::erFil(fil))
            navneskift::flyt(fil, ny);
    }
    if (!filer.isEmpty())
        StrukturY->makeStruktur2(aDir);
    return int(filer.size());
}

namespace {

qint64 antalIKurv(const papirkurv::Kurv &kurv)
{
    qint64 n = 0;
    MappeLaeser laeser(kurv.mappe + QStringLiteral("/files"));
    MappeLaeser::Post post;
    while (laeser.naeste(post))
        ++n;
    return n;
}

} // namespace

TMetodeCompo::Toemning TMetodeCompo::EmptyRecycleBin(bool Confirm, const QString &drev)
{
    const papirkurv::Papirkurv kurve(m_kurvKilder ? *m_kurvKilder : papirkurv::Kilder::system());
    const QString top = kurve.topmappeAf(drev);
    const QList<papirkurv::Kurv> liste = kurve.kurveForVolumen(drev);
    qint64 antal = 0;
    for (const papirkurv::Kurv &k : liste)
        antal += antalIKurv(k);
    if (antal == 0) {
        m_beskeder->inform(QStringLiteral("Papirkurven på drevet ") + top + QStringLiteral(" er tom."));
        return Toemning::Tom;
    }
    if (Confirm
        && !m_beskeder->ask(QStringLiteral("Skal papirkurven på drevet ") + top + QStringLiteral(" tømmes?\r")
                            + (antal == 1 ? QStringLiteral("Det ene element i den slettes permanent.")
                                          : QStringLiteral("De ") + dansk::heltal(antal)
                                                + QStringLiteral(" elementer i den slettes permanent."))))
        return Toemning::Afvist;
    QList<sletning::Fejl> fejl;
    for (const papirkurv::Kurv &k : liste)
        fejl += papirkurv::toem(k).fejl;
    if (fejl.isEmpty())
        return Toemning::Tom;
    m_beskeder->inform(QStringLiteral("Papirkurven kunne ikke tømmes helt. Disse elementer blev ikke slettet:\r")
                       + sletning::linjer(fejl).join(QLatin1Char('\r')));
    return Toemning::Delvis;
}
