#include "engines/fremdrift.h"

#include <QCoreApplication>

void Fremdrift::vis()
{
    m_stoppet = false;
    visVindue();
    holdILive(true);
}

bool Fremdrift::holdILive(bool tving)
{
    if (tving || !m_ur.isValid() || m_ur.elapsed() >= m_interval) {
        behandlHaendelser();
        m_ur.start();
    }
    return !m_stoppet;
}

void Fremdrift::behandlHaendelser()
{
    QCoreApplication::processEvents();
}
