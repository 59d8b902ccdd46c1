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

namespace {

// The selection as sorted, non-overlapping row intervals: its size follows
// the number of ranges, not of rows, so a selection of every row of a big
// folder costs as little as one row.
std::vector<std::pair<int, int>> intervaller(const QItemSelection &valg)
{
    std::vector<std::pair<int, int>> ud;
    ud.reserve(size_t(valg.size()));
    for (const QItemSelectionRange &r : valg) {
        if (r.isValid())
            ud.emplace_back(r.top(), r.bottom());
    }
    std::sort(ud.begin(), ud.end());
    std::vector<std::pair<int, int>> samlet;
    for (const auto &i : ud) {
        if (!samlet.empty() && i.first <= samlet.back().second + 1)
            samlet.back().second = std::max(samlet.back().second, i.second);
        else
            samlet.push_back(i);
    }
    return samlet;
}

} // namespace

int TFilModel::valgtRaekke() const
{
    const QModelIndex c = m_valg->currentIndex();
    if (c.isValid() && m_valg->isSelected(c))
        return c.row();
    const auto v = intervaller(m_valg->selection());
    return v.empty() ? -1 : v.front().first;
}

QList<int> TFilModel::valgteRaekker() const
{
    QList<int> ud;
    ud.reserve(antalValgte());
    for (const auto &[fra, til] : intervaller(m_valg->selection())) {
        for (int i = fra; i <= til; ++i)
            ud.append(i);
    }
    return ud;
}

int TFilModel::antalValgte() const
{
    int antal = 0;
    for (const auto &[fra, til] : intervaller(m_valg->selection()))
        antal += til - fra + 1;
    return antal;
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
