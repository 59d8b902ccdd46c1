#include "engines/genveje/tfilventer.h"

#include <QFileInfo>

TFilventer::TFilventer(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TFilventer::tik);
}

void TFilventer::vent(const QString &fil, bool nyFil)
{
    m_fil = fil;
    m_tik = 0;
    const QFileInfo info(fil);
    m_fandtesFoer = nyFil && !fil.isEmpty() && info.exists();
    m_foedt = m_fandtesFoer ? info.birthTime() : QDateTime();
    m_aendret = m_fandtesFoer ? info.lastModified() : QDateTime();
    m_timer.start();
}

void TFilventer::stop()
{
    m_timer.stop();
    m_tik = 0;
}

bool TFilventer::erKommet() const
{
    if (m_fil.isEmpty())
        return false;
    QFileInfo info(m_fil);
    if (!info.exists())
        return false;
    if (!m_fandtesFoer)
        return true;
    // The scripts move a new file into place, so a new one has a birth or
    // change time of its own.
    return info.birthTime() != m_foedt || info.lastModified() != m_aendret;
}

void TFilventer::tik()
{
    ++m_tik;
    if (erKommet()) {
        stop();
        emit kom(m_fil);
        return;
    }
    if (m_tik < m_maksTik)
        return;
    stop();
    emit udeblev();
}
