#pragma once

#include "engines/tekstsoegning/tekstdokument.h"

#include <QAbstractTableModel>

#include <vector>

// The result list of the text search: one row per occurrence with the
// columns "Dokument", "Position" and "Tekst". Rows arrive in batches while
// a search runs, so a search with many hits is a few inserts, not one per
// row.
class TFundModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Kolonne { Dokument, Position, Tekst, AntalKolonner };

    explicit TFundModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void tilfoej(QList<FundRaekke> &&raekker);
    void ryd();
    void fjern(int raekke);
    int antal() const { return int(m_raekker.size()); }
    const FundRaekke &raekke(int r) const { return m_raekker[size_t(r)]; }

private:
    std::vector<FundRaekke> m_raekker;
};
