#include "engines/tfilmodel.h"

#include <algorithm>

TFilModel::TFilModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_valg(new QItemSelectionModel(this, this))
{
}

int TFilModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_raekker.size());
}

QVariant TFilModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_raekker.size())
        return {};
    const FilRaekke &r = m_raekker[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return r.tekst;
    if (role == BilledeRolle)
        return r.billede;
    return {};
}

void TFilModel::saet(std::vector<FilRaekke> raekker)
{
    beginResetModel();
    m_raekker = std::move(raekker);
    endResetModel();
}

void TFilModel::ryd()
{
    saet({});
}

void TFilModel::setBillede(int raekke, int billede)
{
    if (raekke < 0 || raekke >= antal())
        return;
    m_raekker[size_t(raekke)].billede = billede;
    const QModelIndex i = index(raekke);
    emit dataChanged(i, i, {BilledeRolle});
}

void TFilModel::setTekst(int raekke, const QString &tekst)
{
    if (raekke < 0 || raekke >= antal())
        return;
    m_raekker[size_t(raekke)].tekst = tekst;
    const QModelIndex i = index(raekke);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void TFilModel::setRec(int raekke, const StrukturRec &rec)
{
    if (raekke >= 0 && raekke < antal())
        m_raekker[size_t(raekke)].rec = rec;
}

int TFilModel::valgtRaekke() const
{
    const QModelIndex c = m_valg->currentIndex();
    if (c.isValid() && m_valg->isSelected(c))
        return c.row();
    const QList<int> v = valgteRaekker();
    return v.isEmpty() ? -1 : v.first();
}

QList<int> TFilModel::valgteRaekker() const
{
    QList<int> ud;
    for (const QItemSelectionRange &r : m_valg->selection()) {
        for (int i = r.top(); i <= r.bottom(); ++i)
            ud.append(i);
    }
    std::sort(ud.begin(), ud.end());
    ud.erase(std::unique(ud.begin(), ud.end()), ud.end());
    return ud;
}

int TFilModel::antalValgte() const
{
    return int(valgteRaekker().size());
}

void TFilModel::vaelg(int raekke)
{
    m_valg->setCurrentIndex(index(raekke), QItemSelectionModel::ClearAndSelect);
}

void TFilModel::vaelgFlere(const QList<int> &raekker)
{
    QItemSelection s;
    // Consecutive rows become one range, so inverting a large selection stays cheap.
    for (qsizetype i = 0; i < raekker.size();) {
        qsizetype j = i;
        while (j + 1 < raekker.size() && raekker[j + 1] == raekker[j] + 1)
            ++j;
        s.select(index(raekker[i]), index(raekker[j]));
        i = j + 1;
    }
    m_valg->select(s, QItemSelectionModel::ClearAndSelect);
    if (!raekker.isEmpty())
        m_valg->setCurrentIndex(index(raekker.first()), QItemSelectionModel::NoUpdate);
}

void TFilModel::vaelgAlle()
{
    if (m_raekker.empty())
        return;
    m_valg->select(QItemSelection(index(0), index(antal() - 1)), QItemSelectionModel::ClearAndSelect);
    if (!m_valg->currentIndex().isValid())
        m_valg->setCurrentIndex(index(0), QItemSelectionModel::NoUpdate);
}

void TFilModel::fravaelgAlle()
{
    m_valg->clearSelection();
    m_valg->clearCurrentIndex();
}

void TFilModel::fravaelg(int raekke)
{
    m_valg->select(index(raekke), QItemSelectionModel::Deselect);
}
