#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QTimer>

#include <functional>

class TStrukturCompo;
class TStrukturVisning;
class Twinform;

// Where an explorer window goes: a path chosen in the path box, back and
// forward through the visited folders, a folder or file shown in the trees,
// clicks in the trees, homemade structures, favourites, the tree commands
// and renaming in place with its two refresh timers. Every step drives the
// tree engine and then brings the window in line with mappeKontrol.
class TStifinderNavigation : public QObject
{
    Q_OBJECT

public:
    explicit TStifinderNavigation(Twinform &vindue);

    void stiValgt(const QString &sti);
    void visMappeIFiltrae(const QString &sti);
    void visFilIFiltrae(const QString &sti);
    // Shows a folder in the folder tree within the drive scope of the
    // start-up choice; a user who stands in the private section stays there.
    void visIMappetrae(const QString &sti);
    // The same, then lists the folder in the file tree and brings the window
    // in line: what the window shows after a paste, a delete or a rename.
    void visMappeITraeer(const QString &sti);
    void lavStruktur(const QStringList &mapper, bool punkt);
    // Builds a homemade structure of `mapper` in the folder tree (a point
    // structure or a level structure) and lists the current folder.
    void visHjemmelavetStruktur(const QStringList &mapper, bool punkt);
    void tilbageFrem(bool tilbage);
    void insertFavorit();

    // Clicks in the trees.
    void mappeKlik();
    void filKlik();
    void mappeDobbeltklik();
    void filDobbeltklik();

    // The tree commands.
    void fokusMappetrae();
    void fokusFiltrae();
    void kunDrev();
    void opdaterMappe(bool alleDrev);
    void medtagPrivat();
    void fravaelgMapper();
    void indstilMappestruktur();
    void opdaterFiltrae();
    // 1 all, 2 none, 3 inverted.
    void marker(int handling);
    void markerKnap();
    void gemStruktur();
    void hentStruktur();

    // Renaming in place.
    using Omdoeber = std::function<QString(const QString &gammel, const QString &ny, const QModelIndex &node)>;
    void setOmdoebning(Omdoeber RenameMappe, Omdoeber RenameFil, std::function<QModelIndex()> editSelected = {});
    bool kanOmdoebe() const { return m_renameMappe && m_renameFil; }
    void startOmdoeb();
    // Interval of the two one-shot refresh timers after an in-place rename.
    void setOmdoebInterval(int ms);
    void stopTimere();

private:
    void bygStruktur(const QStringList &mapper, bool punkt);
    void omdoebAccepteret(const QPersistentModelIndex &node, bool mappetrae, const QString &ny);
    void mappeTimerUdloeb();
    void filTimerUdloeb();

    Twinform &m_vindue;
    TStrukturCompo *m_motor;
    TStrukturVisning *m_visning;
    QString OldNodeTekst;
    QTimer m_mappeTimer;
    QTimer m_filTimer;
    Omdoeber m_renameMappe;
    Omdoeber m_renameFil;
    std::function<QModelIndex()> m_editSelected;
};
