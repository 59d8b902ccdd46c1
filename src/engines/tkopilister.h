#pragma once

#include "engines/kopilister.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QStringList>

class Dialogs;

// One copy list: rows of (picture, full path, tick). Column 0 carries the
// tick and the picture's image index (role Billede), column 1 the path.
class TKopiliste : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int Billede = Qt::UserRole + 1;

    struct Post
    {
        int billede = 2;
        QString sti;
        bool markeret = true;
    };

    TKopiliste(const QString &overskrift, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<Post> &poster() const { return m_poster; }
    int antal() const { return int(m_poster.size()); }
    int antalMarkerede() const;
    // The path as a row holds it, without one trailing line feed and then one
    // trailing carriage return.
    QString sti(int raekke) const;

    // Adds a row unless the path is already there (paths compare exactly).
    bool tilfoej(int billede, const QString &sti, bool markeret);
    // Adds the rows in order by the same rule, as one insertion and one
    // change notification however many they are; the number added.
    int tilfoejFlere(const QList<Post> &poster);
    void fjern(int raekke);
    // Removes the given rows (in any order, repeats allowed) with one
    // change notification.
    void fjernRaekker(QList<int> raekker);
    void setMarkeret(int raekke, bool markeret);
    void markerAlle(bool markeret);
    // Removes the ticked rows.
    void fjernMarkerede();
    // Removes the rows both ticked and among `valgte`; the row to select
    // afterwards (-1 for none).
    int fjernValgteMarkerede(const QList<int> &valgte);
    void ryd();

signals:
    // After every change: added, removed, ticked or unticked.
    void aendret();

private:
    static QString udenLinjeskift(const QString &sti);
    bool findes(const QString &sti) const { return m_stier.contains(sti); }
    void husk(const QString &sti) { ++m_stier[udenLinjeskift(sti)]; }
    void glem(const QString &sti);

    QString m_overskrift;
    QList<Post> m_poster;
    // How many rows hold each path as sti() gives it: the duplicate check
    // of an addition is one lookup, not a scan of the list.
    QHash<QString, int> m_stier;
};

// The pair of copy lists of one explorer window (or of all of them when
// they share one "Klipbord"). It answers what the element helpers and the
// paste ask of the lists; the copy lists window shows it.
class TKopilister : public QObject, public Kopilister
{
    Q_OBJECT

public:
    enum { ListeMapper = 1, ListeFiler = 2 };
    static constexpr int MappeBillede = 4;
    static constexpr int FilBillede = 2;

    explicit TKopilister(const QString &winformCaption, QObject *parent = nullptr);

    TKopiliste *Mappeliste() { return &m_mapper; }
    TKopiliste *Filliste() { return &m_filer; }
    const TKopiliste *Mappeliste() const { return &m_mapper; }
    const TKopiliste *Filliste() const { return &m_filer; }
    TKopiliste *liste(int hvilken) { return hvilken == ListeMapper ? &m_mapper : &m_filer; }
    QString winformCaption() const { return m_winformCaption; }

    bool CopyListAdd(int liste, int billede, const QString &sti, bool markeret);
    // Many entries into one list at once: one change notification.
    int CopyListAdd(int liste, const QList<TKopiliste::Post> &poster);
    // Folders and files into their lists at once: one change notification.
    int tilfoejFlere(const QList<TKopiliste::Post> &mapper, const QList<TKopiliste::Post> &filer);
    // An existing folder joins the folder list, an existing file the file
    // list, ticked; false when the path is neither.
    bool RegisterElements(const QString &sti);
    // The same for many paths with one change notification; the number of
    // paths that were a folder or a file.
    int RegisterElements(const QStringList &elementer);
    int getElementAntal() const;
    // Collects the ticked, still existing entries for a paste into
    // `destination`, last entry first; entries whose element is gone leave
    // their list, a folder equal to the destination is passed over. Tells
    // the user when nothing is left. The number collected.
    int loadLister(QStringList &mapper, QStringList &filer, const QString &destination, Dialogs *dialogs);
    void ClearCopyLister();
    void sletBeggeLister();
    // Adds the ticked entries whose element exists as a folder (folder
    // list) or a file (file list) to `andre` (trimmed, same picture, ticked,
    // paths already there skipped); the number added.
    int overfoerTil(TKopilister &andre) const;

    // Kopilister: what the size computation reads and shows.
    QList<Post> mappePoster() const override;
    QList<Post> filPoster() const override;
    void fjernMappePost(int raekke) override;
    void fjernFilPost(int raekke) override;
    void visStoerrelse(const QString &stoerrelse, const QString &antalMapper, const QString &antalFiler,
                       const QString &information) override;
    void skrivStoerrelsesfelt(const QString &tekst) override;

signals:
    // Every change of either list: the number of entries in each.
    void antalAendret(int mapper, int filer);
    // The size, count and information labels of the copy lists window.
    void stoerrelseVist(const QString &stoerrelse, const QString &antalMapper, const QString &antalFiler,
                        const QString &information);
    // The size field of the explorer windows the lists belong to.
    void stoerrelsesfelt(const QString &tekst);

private:
    static QList<Post> somPoster(const TKopiliste &liste);
    void meldAntal();
    // Holds back the count signal while a batch changes both lists, then
    // sends it once if anything changed.
    class Samlet;

    int m_udsat = 0;
    bool m_aendretUnderUdsat = false;

    QString m_winformCaption;
    TKopiliste m_mapper;
    TKopiliste m_filer;
};
