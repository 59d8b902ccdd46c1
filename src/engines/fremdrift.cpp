#include "engines/fremdrift.h"

#include "core/dansk.h"

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

void Fremdrift::forberedSletning(const QString &destination, qint64 antalMapper)
{
    rydMapper();
    setBar(0);
    setInformation({});
    setProcent(0);
    setResterende({});
    setDestination(destination);
    setMappeOverskrift(QStringLiteral("Følgende ") + dansk::heltal(antalMapper)
                       + (antalMapper == 1 ? QStringLiteral(" mappe slettes:") : QStringLiteral(" mapper slettes:")));
}
