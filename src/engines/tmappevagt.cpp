#include "engines/tmappevagt.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QTimer>

TMappeVagt::TMappeVagt(QObject *parent)
    : QObject(parent)
    , m_vagt(new QFileSystemWatcher(this))
    , m_timer(new QTimer(this))
{
    // The timer is not restarted by later changes: a burst that never pauses
    // is still reported every interval.
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TMappeVagt::meld);
    connect(m_vagt, &QFileSystemWatcher::directoryChanged, this, &TMappeVagt::noter);
}

void TMappeVagt::setForsinkelse(int ms)
{
    m_forsinkelse = qMax(0, ms);
}

int TMappeVagt::forsinkelse() const
{
    return m_forsinkelse;
}

void TMappeVagt::foelg(const QStringList &mapper)
{
    QStringList oensket;
    QSet<QString> set;
    for (const QString &m : mapper) {
        if (m.isEmpty() || set.contains(m))
            continue;
        set.insert(m);
        oensket.append(m);
        if (oensket.size() == MaksMapper)
            break;
    }
    QStringList gamle;
    for (const QString &m : m_vagt->directories()) {
        if (!set.contains(m))
            gamle.append(m);
    }
    if (!gamle.isEmpty())
        m_vagt->removePaths(gamle);
    const QStringList nu = m_vagt->directories();
    const QSet<QString> fulgt(nu.begin(), nu.end());
    QStringList nye;
    for (const QString &m : oensket) {
        if (!fulgt.contains(m))
            nye.append(m);
    }
    // Folders the system refuses to watch are left unwatched: nothing the
    // user must hear about.
    if (!nye.isEmpty())
        m_vagt->addPaths(nye);
}

QStringList TMappeVagt::fulgte() const
{
    return m_vagt->directories();
}

void TMappeVagt::udsaet(const QStringList &mapper)
{
    for (const QString &m : mapper)
        noter(m);
}

void TMappeVagt::noter(const QString &mappe)
{
    m_aendrede.insert(mappe);
    if (!m_timer->isActive())
        m_timer->start(int(qMin<qint64>(qMax<qint64>(m_forsinkelse, 2 * m_arbejde), 10000)));
}

void TMappeVagt::meld()
{
    if (m_aendrede.isEmpty())
        return;
    QStringList mapper(m_aendrede.begin(), m_aendrede.end());
    m_aendrede.clear();
    mapper.sort();
    QElapsedTimer tid;
    tid.start();
    emit aendret(mapper);
    m_arbejde = tid.elapsed();
}
