#include "engines/tfilmodel.h"

#include <algorithm>

TFilModel::TFilModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_valg(new QItemSelectionModel(this, this))
{
}

int TFilModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_poster.size());
}

QVariant TFilModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_poster.size())
        return {};
    if (role == Qt::DisplayRole)
        return tekst(index.row());
    if (role == BilledeRolle)
        return m_poster[size_t(index.row())].billede;
    return {};
}

void TFilModel::saet(Liste liste)
{
    beginResetModel();
    m_forstavelse = std::move(liste.forstavelse);
    m_navne = std::move(liste.navne);
    m_poster = std::move(liste.poster);
    m_egneRec.clear();
    endResetModel();
}

void TFilModel::saet(std::vector<FilRaekke> raekker)
{
    Liste liste;
    liste.poster.reserve(raekker.size());
    QHash<int, StrukturRec> egne;
    for (FilRaekke &r : raekker) {
        liste.poster.push_back(Post{quint32(liste.navne.size()), quint32(r.tekst.size()), r.rec.ID, r.billede});
        liste.navne += r.tekst;
        egne.insert(int(liste.poster.size()) - 1, std::move(r.rec));
    }
    saet(std::move(liste));
    m_egneRec = std::move(egne);
}

void TFilModel::ryd()
{
    saet(Liste{});
}

QString TFilModel::tekst(int r) const
{
    const Post &p = m_poster[size_t(r)];
    return m_navne.mid(p.fra, p.laengde);
}

StrukturRec TFilModel::rec(int r) const
{
    const auto egen = m_egneRec.constFind(r);
    if (egen != m_egneRec.constEnd())
        return *egen;
    const Post &p = m_poster[size_t(r)];
    QString sti = m_forstavelse;
    sti.append(QStringView(m_navne).mid(p.fra, p.laengde));
    if (p.ID == IdMappe)
        return StrukturRec{std::move(sti), {}, p.ID};
    return StrukturRec{{}, std::move(sti), p.ID};
}

FilRaekke TFilModel::raekke(int r) const
{
    return FilRaekke{tekst(r), rec(r), m_poster[size_t(r)].billede};
}

void TFilModel::setBillede(int raekke, int billede)
{
    if (raekke < 0 || raekke >= antal())
        return;
    m_poster[size_t(raekke)].billede = billede;
    const QModelIndex i = index(raekke);
    emit dataChanged(i, i, {BilledeRolle});
}

void TFilModel::setTekst(int raekke, const QString &tekst)
{
    if (raekke < 0 || raekke >= antal())
        return;
    // The record stays what it was until it is set itself.
    if (!m_egneRec.contains(raekke))
        m_egneRec.insert(raekke, rec(raekke));
    Post &p = m_poster[size_t(raekke)];
    p.fra = quint32(m_navne.size());
    p.laengde = quint32(tekst.size());
    m_navne += tekst;
    const QModelIndex i = index(raekke);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

void TFilModel::setRec(int raekke, const StrukturRec &rec)
{
    if (raekke >= 0 && raekke < antal()) {
        m_egneRec.insert(raekke, rec);
        m_poster[size_t(raekke)].ID = rec.ID;
    }
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
    if (m_poster.empty())
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
