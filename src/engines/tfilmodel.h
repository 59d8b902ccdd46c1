#pragma once

#include "engines/strukturrec.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>

#include <vector>

// One row of the file tree.
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
class TFilModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TFilModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void saet(std::vector<FilRaekke> raekker);
    void ryd();
    int antal() const { return int(m_raekker.size()); }
    const FilRaekke &raekke(int r) const { return m_raekker[size_t(r)]; }
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
    std::vector<FilRaekke> m_raekker;
    QItemSelectionModel *m_valg;
};
