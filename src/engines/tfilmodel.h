#pragma once

#include "engines/filsortering.h"
#include "engines/strukturrec.h"
#include "platform/filinfo.h"

#include <QAbstractListModel>
#include <QHash>
#include <QItemSelectionModel>

#include <vector>

// One row of the file tree as the model hands it out.
struct FilRaekke
{
    QString tekst;
    StrukturRec rec;
    int billede = 0;
};

// The file tree: the subfolders and files of one folder as a flat list of
// plain rows, replaced wholesale on every listing so that a folder of a
// hundred thousand entries is one reset, not a hundred thousand inserts.
// It owns the tree's selection model.
//
// A listed row keeps only where its name lies in the listing's one buffer
// of names, its kind and its picture; its full path is the folder's path
// and the name, made when asked for.
//
// Beside the name the model has the columns size, modified and type. A
// row's size and date are read from the disk the first time a view asks for
// them, so listing a big folder costs no more than the rows on the screen;
// a listing sorted by size or date brings them along. The texts are made
// when shown, never kept per row.
class TFilModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // One listed entry: its name is navne.mid(fra, laengde).
    struct Post
    {
        quint32 fra = 0;
        quint32 laengde = 0;
        qint32 ID = IdFil;     // IdMappe or IdFil
        qint32 billede = 0;
    };

    // One folder's listing: the folder's path with its separator, the names
    // one after another and the rows in the order shown. `detaljer` is
    // either empty (read when shown) or what the disk said for every row.
    struct Liste
    {
        QString forstavelse;
        QString navne;
        std::vector<Post> poster;
        filinfo::DetaljeListe detaljer;
    };

    explicit TFilModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The column texts: "1,50 MB" (empty for a folder), "24.12.2025 18:05",
    // the type's description. Empty when the element could not be asked.
    QString kolonneTekst(int raekke, FilKolonne kolonne) const;
    static QString datoTekst(qint64 msek);
    // A row's size and date, read now if not yet read.
    filinfo::Detaljer detaljer(int raekke) const;
    // Puts the rows in a new order, keeping the selection and the current row.
    void sorter(Sortering s);
    // The rows as the sort sees them, read from `poster` in place.
    static filsortering::Raekker sorteringsraekker(const std::vector<Post> &poster);

    void saet(Liste liste);
    // Rows with records of their own, as they are given.
    void saet(std::vector<FilRaekke> raekker);
    void ryd();
    int antal() const { return int(m_poster.size()); }
    FilRaekke raekke(int r) const;
    QString tekst(int r) const;
    void setBillede(int raekke, int billede);
    void setTekst(int raekke, const QString &tekst);
    // A renamed element's row points at its new path.
    void setRec(int raekke, const StrukturRec &rec);

    QItemSelectionModel *valg() const { return m_valg; }
    // The selected row: the current one when it is selected, else the first
    // selected row; -1 when none is.
    int valgtRaekke() const;
    QList<int> valgteRaekker() const;   // ascending
    int antalValgte() const;
    void vaelg(int raekke);             // only that row, and it becomes current
    void vaelgFlere(const QList<int> &raekker);
    void vaelgAlle();
    void fravaelgAlle();
    void fravaelg(int raekke);

signals:
    // The engine wants the keyboard focus in the file tree.
    void fokusOenskes();

private:
    StrukturRec rec(int r) const;
    void glemDetaljer(int raekke);
    void laesAlleDetaljer();

    QString m_forstavelse;
    QString m_navne;
    std::vector<Post> m_poster;
    // Rows whose record is not the folder's path and their name: given so,
    // or renamed.
    QHash<int, StrukturRec> m_egneRec;
    // Sizes and dates, and which of them have been read.
    mutable filinfo::DetaljeListe m_detaljer;
    mutable std::vector<bool> m_detaljerLaest;
    QItemSelectionModel *m_valg;
};
