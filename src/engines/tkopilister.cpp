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

QString TKopiliste::udenLinjeskift(const QString &sti)
{
    QString s = sti;
    if (s.endsWith(QLatin1Char('\n')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('\r')))
        s.chop(1);
    return s;
}

QString TKopiliste::sti(int raekke) const
{
    return udenLinjeskift(m_poster.at(raekke).sti);
}

void TKopiliste::glem(const QString &sti)
{
    const auto it = m_stier.find(udenLinjeskift(sti));
    if (it != m_stier.end() && --it.value() <= 0)
        m_stier.erase(it);
}

bool TKopiliste::tilfoej(int billede, const QString &sti, bool markeret)
{
    return tilfoejFlere({Post{billede, sti, markeret}}) == 1;
}

int TKopiliste::tilfoejFlere(const QList<Post> &poster)
{
    QList<Post> nye;
    for (const Post &p : poster) {
        // A path earlier in the same batch counts as already there.
        if (findes(p.sti))
            continue;
        husk(p.sti);
        nye.append(p);
    }
    if (nye.isEmpty())
        return 0;
    const int foerst = int(m_poster.size());
    beginInsertRows({}, foerst, foerst + int(nye.size()) - 1);
    m_poster.append(nye);
    endInsertRows();
    emit aendret();
    return int(nye.size());
}

void TKopiliste::fjern(int raekke)
{
    if (raekke < 0 || raekke >= m_poster.size())
        return;
    beginRemoveRows({}, raekke, raekke);
    glem(m_poster.at(raekke).sti);
    m_poster.removeAt(raekke);
    endRemoveRows();
    emit aendret();
}

void TKopiliste::fjernRaekker(QList<int> raekker)
{
    std::sort(raekker.begin(), raekker.end());
    raekker.erase(std::unique(raekker.begin(), raekker.end()), raekker.end());
    raekker.erase(std::remove_if(raekker.begin(), raekker.end(),
                                 [this](int r) { return r < 0 || r >= m_poster.size(); }),
                  raekker.end());
    if (raekker.isEmpty())
        return;
    if (raekker.size() == 1) {
        fjern(raekker.first());
        return;
    }
    // One pass over the list whatever is removed; the views start over.
    beginResetModel();
    QList<Post> tilbage;
    tilbage.reserve(m_poster.size() - raekker.size());
    qsizetype j = 0;
    for (qsizetype i = 0; i < m_poster.size(); ++i) {
        if (j < raekker.size() && raekker[j] == i) {
            glem(m_poster.at(i).sti);
            ++j;
        } else {
            tilbage.append(std::move(m_poster[i]));
        }
    }
    m_poster = std::move(tilbage);
    endResetModel();
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
    bool skift = false;
    for (Post &p : m_poster) {
        skift = skift || p.markeret != markeret;
        p.markeret = markeret;
    }
    if (!skift)
        return;
    emit dataChanged(index(0, 0), index(int(m_poster.size()) - 1, 0), {Qt::CheckStateRole});
    emit aendret();
}

void TKopiliste::fjernMarkerede()
{
    QList<int> markerede;
    for (int i = 0; i < m_poster.size(); ++i) {
        if (m_poster.at(i).markeret)
            markerede.append(i);
    }
    fjernRaekker(markerede);
}

int TKopiliste::fjernValgteMarkerede(const QList<int> &valgte)
{
    QList<int> fjernes;
    for (int r : valgte) {
        if (r >= 0 && r < m_poster.size() && m_poster.at(r).markeret)
            fjernes.append(r);
    }
    if (fjernes.isEmpty())
        return -1;
    const int foerste = *std::min_element(fjernes.begin(), fjernes.end());
    fjernRaekker(fjernes);
    if (m_poster.isEmpty())
        return -1;
    return qMin(foerste, int(m_poster.size()) - 1);
}

void TKopiliste::ryd()
{
    if (m_poster.isEmpty())
        return;
    beginResetModel();
    m_poster.clear();
    m_stier.clear();
    endResetModel();
    emit aendret();
}

// ---------------------------------------------------------------------------
// The pair

class TKopilister::Samlet
{
public:
    explicit Samlet(TKopilister &lister)
        : m_lister(lister)
    {
        ++m_lister.m_udsat;
    }
    ~Samlet()
    {
        if (--m_lister.m_udsat == 0 && m_lister.m_aendretUnderUdsat) {
            m_lister.m_aendretUnderUdsat = false;
            m_lister.meldAntal();
        }
    }

private:
    TKopilister &m_lister;
};

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
    if (m_udsat > 0) {
        m_aendretUnderUdsat = true;
        return;
    }
    emit antalAendret(m_mapper.antal(), m_filer.antal());
}

bool TKopilister::CopyListAdd(int liste, int billede, const QString &sti, bool markeret)
{
    return this->liste(liste)->tilfoej(billede, sti, markeret);
}

int TKopilister::CopyListAdd(int liste, const QList<TKopiliste::Post> &poster)
{
    return this->liste(liste)->tilfoejFlere(poster);
}

int TKopilister::tilfoejFlere(const QList<TKopiliste::Post> &mapper, const QList<TKopiliste::Post> &filer)
{
    const Samlet samlet(*this);
    return m_mapper.tilfoejFlere(mapper) + m_filer.tilfoejFlere(filer);
}

bool TKopilister::RegisterElements(const QString &sti)
{
    return RegisterElements(QStringList{sti}) == 1;
}

int TKopilister::RegisterElements(const QStringList &elementer)
{
    QList<TKopiliste::Post> mapper, filer;
    for (const QString &sti : elementer) {
        const QString s = stier::udenSkraastreg(sti);
        if (filinfo::erMappe(s))
            mapper.append({MappeBillede, s, true});
        else if (filinfo::erFil(s))
            filer.append({FilBillede, s, true});
    }
    tilfoejFlere(mapper, filer);
    return int(mapper.size() + filer.size());
}

int TKopilister::getElementAntal() const
{
    return m_mapper.antalMarkerede() + m_filer.antalMarkerede();
}

int TKopilister::loadLister(QStringList &mapper, QStringList &filer, const QString &destination, Dialogs *dialogs)
{
    mapper.clear();
    filer.clear();
    QList<int> vaek;
    for (int i = m_mapper.antal() - 1; i >= 0; --i) {
        if (!m_mapper.poster().at(i).markeret)
            continue;
        const QString sti = m_mapper.sti(i);
        if (!filinfo::erMappe(sti))
            vaek.append(i);
        else if (sti != destination)
            mapper.append(sti);
    }
    const Samlet samlet(*this);
    m_mapper.fjernRaekker(vaek);
    vaek.clear();
    for (int i = m_filer.antal() - 1; i >= 0; --i) {
        if (!m_filer.poster().at(i).markeret)
            continue;
        const QString sti = m_filer.sti(i);
        if (filinfo::erFil(sti) && !filinfo::erMappe(sti))
            filer.append(sti);
        else
            vaek.append(i);
    }
    m_filer.fjernRaekker(vaek);
    const int antal = int(mapper.size() + filer.size());
    if (antal == 0 && dialogs)
        dialogs->inform(QStringLiteral("Der mangler elementer til kopiering.\r"
                                       "Kilde og destination er muligvist den samme eller der mangler elementer i "
                                       "Klipbordet."));
    return antal;
}

void TKopilister::ClearCopyLister()
{
    const Samlet samlet(*this);
    m_mapper.fjernMarkerede();
    m_filer.fjernMarkerede();
}

void TKopilister::sletBeggeLister()
{
    {
        const Samlet samlet(*this);
        m_mapper.ryd();
        m_filer.ryd();
    }
    emit stoerrelseVist({}, {}, {}, {});
}

int TKopilister::overfoerTil(TKopilister &andre) const
{
    QList<TKopiliste::Post> mapper, filer;
    for (const TKopiliste *liste : {&m_mapper, &m_filer}) {
        const bool erMapper = liste == &m_mapper;
        QList<TKopiliste::Post> &ud = erMapper ? mapper : filer;
        for (int i = 0; i < liste->antal(); ++i) {
            const TKopiliste::Post &p = liste->poster().at(i);
            if (!p.markeret)
                continue;
            const QString sti = liste->sti(i).trimmed();
            // Each list passes on only elements of its own kind.
            const bool findes = erMapper ? filinfo::erMappe(sti) : filinfo::erFil(sti) && !filinfo::erMappe(sti);
            if (findes)
                ud.append({p.billede, sti, true});
        }
    }
    return andre.tilfoejFlere(mapper, filer);
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
