#include "engines/tmappemodel.h"

struct TMappeModel::Node
{
    QString tekst;
    int billede = 0;
    bool aktiv = true;
    bool udfoldet = false;
    bool boernLaest = false;
    StrukturRec rec;
    Node *foraelder = nullptr;
    // Kept up to date whenever siblings are inserted or removed before it.
    int raekke = 0;
    std::vector<std::unique_ptr<Node>> boern;
};

TMappeModel::TMappeModel(QObject *parent)
    : QAbstractItemModel(parent)
    , m_rod(std::make_unique<Node>())
    , m_valg(new QItemSelectionModel(this, this))
{
}

TMappeModel::~TMappeModel() = default;

TMappeModel::Node *TMappeModel::node(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<Node *>(index.internalPointer()) : m_rod.get();
}

QModelIndex TMappeModel::indexAf(Node *n) const
{
    return (!n || n == m_rod.get()) ? QModelIndex() : createIndex(n->raekke, 0, n);
}

QModelIndex TMappeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || (parent.isValid() && parent.model() != this))
        return {};
    Node *p = node(parent);
    if (row < 0 || size_t(row) >= p->boern.size())
        return {};
    return createIndex(row, 0, p->boern[size_t(row)].get());
}

QModelIndex TMappeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    return indexAf(node(child)->foraelder);
}

int TMappeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(node(parent)->boern.size());
}

int TMappeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant TMappeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *n = node(index);
    if (role == Qt::DisplayRole)
        return n->tekst;
    if (role == BilledeRolle)
        return n->billede;
    return {};
}

Qt::ItemFlags TMappeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return node(index)->aktiv ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QModelIndex TMappeModel::tilfoejNode(const QModelIndex &foraelder, const QString &tekst, int billede,
                                     const StrukturRec &rec)
{
    tilfoejNoder(foraelder, {NyNode{tekst, billede, rec}});
    return index(rowCount(foraelder) - 1, 0, foraelder);
}

void TMappeModel::tilfoejNoder(const QModelIndex &foraelder, const std::vector<NyNode> &noder)
{
    if (noder.empty())
        return;
    Node *p = node(foraelder);
    const int foerste = int(p->boern.size());
    beginInsertRows(foraelder, foerste, foerste + int(noder.size()) - 1);
    for (const NyNode &ny : noder) {
        p->boern.push_back(lavNode(ny, p));
        p->boern.back()->raekke = int(p->boern.size()) - 1;
    }
    endInsertRows();
}

void TMappeModel::sletBoern(const QModelIndex &node_)
{
    Node *p = node(node_);
    if (p->boern.empty())
        return;
    beginRemoveRows(node_, 0, int(p->boern.size()) - 1);
    p->boern.clear();
    p->boernLaest = false;
    endRemoveRows();
}

std::unique_ptr<TMappeModel::Node> TMappeModel::lavNode(const NyNode &ny, Node *foraelder)
{
    auto n = std::make_unique<Node>();
    n->tekst = ny.tekst;
    n->billede = ny.billede;
    n->rec = ny.rec;
    n->foraelder = foraelder;
    return n;
}

void TMappeModel::nummerer(Node *foraelder, int fra)
{
    for (size_t i = size_t(fra); i < foraelder->boern.size(); ++i)
        foraelder->boern[i]->raekke = int(i);
}

void TMappeModel::indsaetNoder(const QModelIndex &foraelder, int raekke, const std::vector<NyNode> &noder)
{
    Node *p = node(foraelder);
    if (noder.empty() || raekke < 0 || size_t(raekke) > p->boern.size())
        return;
    beginInsertRows(foraelder, raekke, raekke + int(noder.size()) - 1);
    std::vector<std::unique_ptr<Node>> nye;
    nye.reserve(noder.size());
    for (const NyNode &ny : noder)
        nye.push_back(lavNode(ny, p));
    p->boern.insert(p->boern.begin() + raekke, std::make_move_iterator(nye.begin()),
                    std::make_move_iterator(nye.end()));
    nummerer(p, raekke);
    endInsertRows();
}

void TMappeModel::fjernNoder(const QModelIndex &foraelder, int raekke, int antal)
{
    Node *p = node(foraelder);
    if (antal <= 0 || raekke < 0 || size_t(raekke + antal) > p->boern.size())
        return;
    beginRemoveRows(foraelder, raekke, raekke + antal - 1);
    p->boern.erase(p->boern.begin() + raekke, p->boern.begin() + raekke + antal);
    nummerer(p, raekke);
    endRemoveRows();
}

bool TMappeModel::boernLaest(const QModelIndex &n) const
{
    return n.isValid() && node(n)->boernLaest;
}

void TMappeModel::setBoernLaest(const QModelIndex &n, bool laest)
{
    if (n.isValid())
        node(n)->boernLaest = laest;
}

void TMappeModel::ryd()
{
    beginResetModel();
    m_rod->boern.clear();
    endResetModel();
}

StrukturRec TMappeModel::rec(const QModelIndex &n) const
{
    return n.isValid() ? node(n)->rec : StrukturRec{};
}

QString TMappeModel::tekst(const QModelIndex &n) const
{
    return n.isValid() ? node(n)->tekst : QString();
}

void TMappeModel::setTekst(const QModelIndex &n, const QString &tekst)
{
    if (!n.isValid())
        return;
    node(n)->tekst = tekst;
    emit dataChanged(n, n, {Qt::DisplayRole});
}

int TMappeModel::billede(const QModelIndex &n) const
{
    return n.isValid() ? node(n)->billede : -1;
}

void TMappeModel::setBillede(const QModelIndex &n, int billede)
{
    if (!n.isValid())
        return;
    node(n)->billede = billede;
    emit dataChanged(n, n, {BilledeRolle});
}

bool TMappeModel::aktiv(const QModelIndex &n) const
{
    return n.isValid() && node(n)->aktiv;
}

void TMappeModel::setAktiv(const QModelIndex &n, bool aktiv)
{
    if (!n.isValid())
        return;
    node(n)->aktiv = aktiv;
    emit dataChanged(n, n);
}

bool TMappeModel::erUdfoldet(const QModelIndex &n) const
{
    return n.isValid() && node(n)->udfoldet;
}

void TMappeModel::saetUdfoldet(const QModelIndex &n, bool udfoldet)
{
    if (!n.isValid() || node(n)->udfoldet == udfoldet)
        return;
    node(n)->udfoldet = udfoldet;
    emit udfoldningAendret(n, udfoldet);
    emit udfoldningerSkiftet();
}

void TMappeModel::udfold(const QModelIndex &n)
{
    saetUdfoldet(n, true);
}

void TMappeModel::foldSammen(const QModelIndex &n)
{
    saetUdfoldet(n, false);
}

void TMappeModel::udfoldAlt()
{
    for (const QModelIndex &n : alleNoder()) {
        if (rowCount(n) > 0)
            saetUdfoldet(n, true);
    }
}

void TMappeModel::foldAltSammen()
{
    for (const QModelIndex &n : alleNoder())
        saetUdfoldet(n, false);
}

void TMappeModel::markerUdfoldet(const QModelIndex &n, bool udfoldet)
{
    if (!n.isValid() || n.model() != this || node(n)->udfoldet == udfoldet)
        return;
    node(n)->udfoldet = udfoldet;
    emit udfoldningerSkiftet();
}

QModelIndexList TMappeModel::alleNoder() const
{
    QModelIndexList ud;
    std::vector<QModelIndex> stak;
    for (int i = rowCount() - 1; i >= 0; --i)
        stak.push_back(index(i, 0));
    while (!stak.empty()) {
        const QModelIndex n = stak.back();
        stak.pop_back();
        ud.append(n);
        for (int i = rowCount(n) - 1; i >= 0; --i)
            stak.push_back(index(i, 0, n));
    }
    return ud;
}

QModelIndex TMappeModel::valgtNode() const
{
    const QModelIndex c = m_valg->currentIndex();
    if (c.isValid() && m_valg->isSelected(c))
        return c;
    const QModelIndexList v = valgteNoder();
    return v.isEmpty() ? QModelIndex() : v.first();
}

QModelIndexList TMappeModel::valgteNoder() const
{
    QModelIndexList ud;
    if (!m_valg->hasSelection())
        return ud;
    for (const QModelIndex &n : alleNoder()) {
        if (m_valg->isSelected(n))
            ud.append(n);
    }
    return ud;
}

void TMappeModel::vaelg(const QModelIndex &n)
{
    m_valg->setCurrentIndex(n, QItemSelectionModel::ClearAndSelect);
}

void TMappeModel::fravaelgAlle()
{
    m_valg->clearSelection();
    m_valg->clearCurrentIndex();
}
