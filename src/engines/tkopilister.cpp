#include "engines/tkopilister.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "platform/filinfo.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// One list

TKopiliste::TKopiliste(const QString &overskrift, QObject *parent)
    : QAbstractTableModel(parent)
    , m_overskrift(overskrift)
{
}

int TKopiliste::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_poster.size());
}

int TKopiliste::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TKopiliste::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_poster.size())
        return {};
    const Post &p = m_poster.at(index.row());
    if (index.column() == 0) {
        if (role == Qt::CheckStateRole)
            return p.markeret ? Qt::Checked : Qt::Unchecked;
        if (role == Billede)
            return p.billede;
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return p.sti;
    return {};
}

bool TKopiliste::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    setMarkeret(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TKopiliste::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant TKopiliste::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == 1)
        return m_overskrift;
    return {};
}

int TKopiliste::antalMarkerede() const
{
    return int(std::count_if(m_poster.begin(), m_poster.end(), [](const Post &p) { return p.markeret; }));
}

QString TKopiliste::sti(int raekke) const
{
    QString s = m_poster.at(raekke).sti;
    if (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('\r')))
        s.chop(1);
    return s;
}

bool TKopiliste::tilfoej(int billede, const QString &sti, bool markeret)
{
    for (int i = 0; i < m_poster.size(); ++i) {
        if (this->sti(i) == sti)
            return false;
    }
    beginInsertRows({}, int(m_poster.size()), int(m_poster.size()));
    m_poster.append({billede, sti, markeret});
    endInsertRows();
    emit aendret();
    return true;
}

void TKopiliste::fjern(int raekke)
{
    if (raekke < 0 || raekke >= m_poster.size())
        return;
    beginRemoveRows({}, raekke, raekke);
    m_poster.removeAt(raekke);
    endRemoveRows();
    emit aendret();
}

void TKopiliste::setMarkeret(int raekke, bool markeret)
{
    if (raekke < 0 || raekke >= m_poster.size() || m_poster[raekke].markeret == markeret)
        return;
    m_poster[raekke].markeret = markeret;
    emit dataChanged(index(raekke, 0), index(raekke, 0), {Qt::CheckStateRole});
    emit aendret();
}

void TKopiliste::markerAlle(bool markeret)
{
    for (int i = 0; i < m_poster.size(); ++i)
        setMarkeret(i, markeret);
}

void TKopiliste::fjernMarkerede()
{
    for (int i = int(m_poster.size()) - 1; i >= 0; --i) {
        if (m_poster.at(i).markeret)
            fjern(i);
    }
}

int TKopiliste::fjernValgteMarkerede(const QList<int> &valgte)
{
    int sidste = -1;
    for (int i = int(m_poster.size()) - 1; i >= 0; --i) {
        if (m_poster.at(i).markeret && valgte.contains(i)) {
            fjern(i);
            sidste = i;
        }
    }
    if (sidste < 0 || m_poster.isEmpty())
        return -1;
    return qMin(sidste, int(m_poster.size()) - 1);
}

void TKopiliste::ryd()
{
    if (m_poster.isEmpty())
        return;
    beginResetModel();
    m_poster.clear();
    endResetModel();
    emit aendret();
}

// ---------------------------------------------------------------------------
// The pair

TKopilister::TKopilister(const QString &winformCaption, QObject *parent)
    : QObject(parent)
    , m_winformCaption(winformCaption)
    , m_mapper(QStringLiteral("Mappenavn"))
    , m_filer(QStringLiteral("Filnavn"))
{
    connect(&m_mapper, &TKopiliste::aendret, this, &TKopilister::meldAntal);
    connect(&m_filer, &TKopiliste::aendret, this, &TKopilister::meldAntal);
}

void TKopilister::meldAntal()
{
    emit antalAendret(m_mapper.antal(), m_filer.antal());
}

bool TKopilister::CopyListAdd(int liste, int billede, const QString &sti, bool markeret)
{
    return this->liste(liste)->tilfoej(billede, sti, markeret);
}

bool TKopilister::RegisterElements(const QString &sti)
{
    const QString s = stier::udenSkraastreg(sti);
    if (filinfo::erMappe(s)) {
        m_mapper.tilfoej(MappeBillede, s, true);
        return true;
    }
    if (filinfo::erFil(s)) {
        m_filer.tilfoej(FilBillede, s, true);
        return true;
    }
    return false;
}

int TKopilister::getElementAntal() const
{
    return m_mapper.antalMarkerede() + m_filer.antalMarkerede();
}

int TKopilister::loadLister(QStringList &mapper, QStringList &filer, const QString &destination, Dialogs *dialogs)
{
    mapper.clear();
    filer.clear();
    for (int i = m_mapper.antal() - 1; i >= 0; --i) {
        if (!m_mapper.poster().at(i).markeret)
            continue;
        const QString sti = m_mapper.sti(i);
        if (!filinfo::erMappe(sti))
            m_mapper.fjern(i);
        else if (sti != destination)
            mapper.append(sti);
    }
    for (int i = m_filer.antal() - 1; i >= 0; --i) {
        if (!m_filer.poster().at(i).markeret)
            continue;
        const QString sti = m_filer.sti(i);
        if (filinfo::erFil(sti) && !filinfo::erMappe(sti))
            filer.append(sti);
        else
            m_filer.fjern(i);
    }
    const int antal = int(mapper.size() + filer.size());
    if (antal == 0 && dialogs)
        dialogs->inform(QStringLiteral("Der mangler elementer til kopiering.\r"
                                       "Kilde og destination er muligvist den samme eller der mangler elementer i "
                                       "Klipbordet."));
    return antal;
}

void TKopilister::ClearCopyLister()
{
    m_mapper.fjernMarkerede();
    m_filer.fjernMarkerede();
}

void TKopilister::sletBeggeLister()
{
    m_mapper.ryd();
    m_filer.ryd();
    emit stoerrelseVist({}, {}, {}, {});
}

int TKopilister::overfoerTil(TKopilister &andre) const
{
    int antal = 0;
    for (const TKopiliste *liste : {&m_mapper, &m_filer}) {
        const bool mapper = liste == &m_mapper;
        TKopiliste *maal = mapper ? &andre.m_mapper : &andre.m_filer;
        for (int i = 0; i < liste->antal(); ++i) {
            const TKopiliste::Post &p = liste->poster().at(i);
            const QString sti = liste->sti(i).trimmed();
            // Each list passes on only elements of its own kind.
            const bool findes = mapper ? filinfo::erMappe(sti) : filinfo::erFil(sti) && !filinfo::erMappe(sti);
            if (p.markeret && findes && maal->tilfoej(p.billede, sti, true))
                ++antal;
        }
    }
    return antal;
}

QList<Kopilister::Post> TKopilister::somPoster(const TKopiliste &liste)
{
    QList<Post> ud;
    ud.reserve(liste.antal());
    for (const TKopiliste::Post &p : liste.poster())
        ud.append({p.sti, p.markeret});
    return ud;
}

QList<Kopilister::Post> TKopilister::mappePoster() const
{
    return somPoster(m_mapper);
}

QList<Kopilister::Post> TKopilister::filPoster() const
{
    return somPoster(m_filer);
}

void TKopilister::fjernMappePost(int raekke)
{
    m_mapper.fjern(raekke);
}

void TKopilister::fjernFilPost(int raekke)
{
    m_filer.fjern(raekke);
}

void TKopilister::visStoerrelse(const QString &stoerrelse, const QString &antalMapper, const QString &antalFiler,
                                const QString &information)
{
    emit stoerrelseVist(stoerrelse, antalMapper, antalFiler, information);
}

void TKopilister::skrivStoerrelsesfelt(const QString &tekst)
{
    emit stoerrelsesfelt(tekst);
}
