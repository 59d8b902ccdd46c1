#pragma once

#include "engines/strukturrec.h"
#include "engines/tstrukmapper.h"

#include <QModelIndex>
#include <QStringList>

#include <vector>

// One entry of the engine's scratch tables: a node's text and record.
struct SLPost
{
    QString tekst;
    StrukturRec rec;
};

// Builds the folder tree: the private section, the drives, one drive, the
// level and point structures made from lists of folders, and the on-demand
// expansion of folders. Only one folder level is read per operation.
class TMakeStrukturer : public TStrukMapper
{
    Q_OBJECT

public:
    using TStrukMapper::TStrukMapper;

    void setAktiveStruktur(Trae aktiv) { AktiveStruktur = aktiv; }
    Trae aktiveStruktur() const { return AktiveStruktur; }
    int startNo() const { return StartNo; }

    void makePreStruktur(bool asFirst);
    void makePreDrives();
    QString makeStruktur1();
    void makeDrive(const QString &aDrive);
    void makeHisDrive(const QString &aDrive);
    void makeHistoryStruktur(QStringList &liste);
    void makePunktStruktur(QStringList &liste);
    QString udfoldMappe(const QString &aDirectory);
    bool udfoldStruktur1(const QString &aDirectory, bool medAlleDrev);
    // Whether the selected folder-tree node lies in the private section.
    bool valgtIPrivat() const;
    // Opens the private section down to `aDirectory` and selects it there,
    // under the deepest private node that holds it (one of the standard
    // folders, else the user's home, whose own folders are then read as a
    // double click reads them). False, with the selection untouched, when
    // no private node holds it or a level on the way is missing.
    bool udfoldIPrivat(const QString &aDirectory);
    QString udfoldDirectory();
    bool udfoldNode(const QModelIndex &node);
    QModelIndex getStartNode(const QModelIndex &node, const QString &aBib);

    int getDrevType(const QString &rod) const;
    QString getVolumeLabel(const QString &rod) const;
    void addSL(const QString &dir);

    // The drive a path is shown under: the longest shown drive that holds it.
    QString drevAfSti(const QString &sti) const;
    // Folder names the tree marks as protected: the Windows system folder
    // names anywhere, and the system folders directly under "/".
    static bool erBeskyttet(const QString &navn, const QString &foraelder);

    const std::vector<SLPost> &sl() const { return SL; }
    const std::vector<SLPost> &slFil() const { return SLfil; }

signals:
    void onDirectoryChange(const QString &aDirectory, bool medPath);

protected:
    struct DrevRaekke
    {
        QString tekst;
        int billede = 0;
        QString mappe;
    };
    QList<DrevRaekke> drevRaekker() const;
    QStringList visteDrevMapper() const;
    void tilfoejDrevRaekke(const DrevRaekke &r);
    void tilfoejBoernFraSL(const QModelIndex &node);
    void udfoldMedValg(const QModelIndex &node);
    void rensListe(QStringList &liste) const;
    QModelIndex topNodeMedMappe(const QString &mappe) const;
    QModelIndex foersteDrevNode() const;

    int StartNo = 0;
    std::vector<SLPost> SL;
    std::vector<SLPost> SLfil;
    Trae AktiveStruktur = Trae::Ingen;
};
