#include "engines/tekstsoegning/tfundmodel.h"

TFundModel::TFundModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int TFundModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_raekker.size());
}

int TFundModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AntalKolonner;
}

QVariant TFundModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= antal() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const FundRaekke &r = raekke(index.row());
    switch (index.column()) {
    case Dokument: return r.dokument;
    case Position: return QString::number(r.position);
    case Tekst: return r.tekst;
    default: return {};
    }
}

QVariant TFundModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Dokument: return QStringLiteral("Dokument");
    case Position: return QStringLiteral("Position");
    case Tekst: return QStringLiteral("Tekst");
    default: return {};
    }
}

void TFundModel::tilfoej(QList<FundRaekke> &&raekker)
{
    if (raekker.isEmpty())
        return;
    beginInsertRows({}, antal(), antal() + int(raekker.size()) - 1);
    for (FundRaekke &r : raekker)
        m_raekker.push_back(std::move(r));
    endInsertRows();
}

void TFundModel::ryd()
{
    beginResetModel();
    m_raekker.clear();
    endResetModel();
}

void TFundModel::fjern(int raekke)
{
    if (raekke < 0 || raekke >= antal())
        return;
    beginRemoveRows({}, raekke, raekke);
    m_raekker.erase(m_raekker.begin() + raekke);
    endRemoveRows();
}
