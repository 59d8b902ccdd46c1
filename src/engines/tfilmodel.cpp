#include "engines/tfilmodel.h"

#include "core/dansk.h"
#include "engines/typetekster.h"
#include "engines/tmetoder.h"

#include <QDateTime>

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

int TFilModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : AntalFilKolonner;
}

QVariant TFilModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_poster.size())
        return {};
    const auto kolonne = FilKolonne(index.column());
    if (role == Qt::DisplayRole)
        return kolonne == FilKolonne::Navn ? tekst(index.row()) : kolonneTekst(index.row(), kolonne);
    if (role == BilledeRolle && kolonne == FilKolonne::Navn)
        return m_poster[size_t(index.row())].billede;
    if (role == Qt::TextAlignmentRole && kolonne == FilKolonne::Stoerrelse)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TFilModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (FilKolonne(section)) {
    case FilKolonne::Navn: return QStringLiteral("Navn");
    case FilKolonne::Stoerrelse: return QStringLiteral("Størrelse");
    case FilKolonne::Aendret: return QStringLiteral("Ændret");
    case FilKolonne::Type: return QStringLiteral("Type");
    }
    return {};
}

QString TFilModel::datoTekst(qint64 msek)
{
    const QDateTime t = QDateTime::fromMSecsSinceEpoch(msek);
    return dansk::locale().toString(t.date(), QStringLiteral("dd.MM.yyyy")) + QLatin1Char(' ')
         + t.time().toString(QStringLiteral("HH:mm"));
}

QString TFilModel::kolonneTekst(int raekke, FilKolonne kolonne) const
{
    if (raekke < 0 || raekke >= antal())
        return {};
    const Post &p = m_poster[size_t(raekke)];
    const bool mappe = p.ID == IdMappe;
    switch (kolonne) {
    case FilKolonne::Navn:
        return tekst(raekke);
    case FilKolonne::Type:
        return typetekster::typeTekst(QStringView(m_navne).mid(p.fra, p.laengde), mappe);
    case FilKolonne::Stoerrelse:
    case FilKolonne::Aendret:
        break;
    }
    const filinfo::Detaljer d = detaljer(raekke);
    if (!d.kendt)
        return {};
    if (kolonne == FilKolonne::Aendret)
        return datoTekst(d.aendret);
    return mappe ? QString() : TMetoder::kortStoerrelse(d.stoerrelse);
}

filinfo::Detaljer TFilModel::detaljer(int raekke) const
{
    if (raekke < 0 || raekke >= antal())
        return {};
    const size_t r = size_t(raekke);
    if (!m_detaljerLaest[r]) {
        const StrukturRec e = rec(raekke);
        m_detaljer[r] = filinfo::detaljer(e.ID == IdMappe ? e.mappe : e.filnavn);
        m_detaljerLaest[r] = true;
    }
    return m_detaljer[r];
}

void TFilModel::glemDetaljer(int raekke)
{
    m_detaljerLaest[size_t(raekke)] = false;
    emit dataChanged(index(raekke, 1), index(raekke, AntalFilKolonner - 1));
}

// Rows of the listed folder are asked through the folder in one go; rows
// with records of their own one by one.
void TFilModel::laesAlleDetaljer()
{
    std::vector<size_t> mangler;
    for (size_t r = 0; r < m_poster.size(); ++r) {
        if (!m_detaljerLaest[r] && !m_egneRec.contains(int(r)))
            mangler.push_back(r);
    }
    if (!mangler.empty() && !m_forstavelse.isEmpty()) {
        const filinfo::DetaljeListe d = filinfo::detaljerI(m_forstavelse, mangler.size(), [&](size_t i) {
            const Post &p = m_poster[mangler[i]];
            return QStringView(m_navne).mid(p.fra, p.laengde);
        });
        for (size_t i = 0; i < mangler.size(); ++i) {
            m_detaljer[mangler[i]] = d[i];
            m_detaljerLaest[mangler[i]] = true;
        }
    }
    for (int r = 0; r < antal(); ++r)
        detaljer(r);
}

filsortering::Raekker TFilModel::sorteringsraekker(const std::vector<Post> &poster)
{
    return {poster.size(), [&poster](size_t i) {
                const Post &p = poster[i];
                return filsortering::Navn{p.fra, p.laengde, p.ID == IdMappe};
            }};
}

void TFilModel::sorter(Sortering s)
{
    if (m_poster.size() < 2)
        return;
    if (filsortering::behoeverDetaljer(s))
        laesAlleDetaljer();
    const std::vector<quint32> orden = filsortering::orden(m_navne, sorteringsraekker(m_poster), m_detaljer, s);
    std::vector<int> nyRaekke(orden.size());
    for (size_t i = 0; i < orden.size(); ++i)
        nyRaekke[orden[i]] = int(i);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    filsortering::anvend(m_poster, orden);
    filsortering::anvend(m_detaljer, orden);
    std::vector<bool> laest(orden.size());
    for (size_t i = 0; i < orden.size(); ++i)
        laest[i] = m_detaljerLaest[orden[i]];
    m_detaljerLaest = std::move(laest);
    QHash<int, StrukturRec> egne;
    for (auto e = m_egneRec.cbegin(); e != m_egneRec.cend(); ++e)
        egne.insert(nyRaekke[size_t(e.key())], e.value());
    m_egneRec = std::move(egne);
    const QModelIndexList foer = persistentIndexList();
    QModelIndexList efter;
    efter.reserve(foer.size());
    for (const QModelIndex &i : foer)
        efter.append(index(nyRaekke[size_t(i.row())], i.column()));
    changePersistentIndexList(foer, efter);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TFilModel::saet(Liste liste)
{
    beginResetModel();
    m_forstavelse = std::move(liste.forstavelse);
    m_navne = std::move(liste.navne);
    m_poster = std::move(liste.poster);
    const bool medDetaljer = liste.detaljer.size() == m_poster.size();
    m_detaljer = medDetaljer ? std::move(liste.detaljer) : filinfo::DetaljeListe(m_poster.size());
    m_detaljerLaest.assign(m_poster.size(), medDetaljer);
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
    glemDetaljer(raekke);
}

void TFilModel::setRec(int raekke, const StrukturRec &rec)
{
    if (raekke >= 0 && raekke < antal()) {
        m_egneRec.insert(raekke, rec);
        m_poster[size_t(raekke)].ID = rec.ID;
        glemDetaljer(raekke);
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
    m_valg->setCurrentIndex(index(raekke), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
    m_valg->select(s, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (!raekker.isEmpty())
        m_valg->setCurrentIndex(index(raekker.first()), QItemSelectionModel::NoUpdate);
}

void TFilModel::vaelgAlle()
{
    if (m_poster.empty())
        return;
    m_valg->select(QItemSelection(index(0), index(antal() - 1)),
                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
    m_valg->select(index(raekke), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}
