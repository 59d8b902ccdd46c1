#pragma once

#include "engines/kopifremdrift.h"

#include <QStringList>

// A recording progress window for engine tests. Every call is logged in
// order ("information: …", "bar: 40", …) and the current state is kept in
// plain fields. stopEfter presses "Stop" once pending events have been
// processed that many times, the way a user's click gets through.
class FakeProgress : public KopiFremdrift
{
public:
    FakeProgress() { setInterval(0); }

    void luk() override { vist = false; log("luk"); }
    void setInformation(const QString &t) override { information = t; log("information: " + t); }
    void setDestination(const QString &t) override { destination = t; log("destination: " + t); }
    void setMappeOverskrift(const QString &t) override { mappeOverskrift = t; log("mapper: " + t); }
    void rydMapper() override { mapper.clear(); markerede.clear(); log("ryd mapper"); }
    void tilfoejMappe(const QString &sti) override { mapper.append(sti); log("mappe: " + sti); }
    void markerMappe(int raekke) override { markerede.append(raekke); log("marker: " + QString::number(raekke)); }
    void setProcent(int p) override { procent = p; log("procent: " + QString::number(p)); }
    void setResterende(const QString &t) override { resterende = t; log("resterende: " + t); }
    void setBar(int p) override { bar = p; log("bar: " + QString::number(p)); }
    void setCaption(const QString &t) override { caption = t; log("caption: " + t); }
    void setOversigt(const QString &t) override { oversigt = t; log("oversigt: " + t); }
    void setFilBar(int p) override { filBar = p; log("filbar: " + QString::number(p)); }
    void setScanBar(int pos, int maks) override
    {
        scanBar = pos;
        scanMaks = maks;
        log("scanbar: " + QString::number(pos) + "/" + QString::number(maks));
    }
    void setIndlaesteMapper(qint64 antal) override
    {
        indlaesteMapper = antal;
        log("indlæste: " + QString::number(antal));
    }

    int stopEfter = -1;   // press "Stop" after this many event rounds; -1 never
    int behandlinger = 0;
    bool vist = false;
    QStringList forloeb;
    QString information, destination, mappeOverskrift, resterende, caption, oversigt;
    QStringList mapper;
    QList<int> markerede;
    int procent = 0, bar = 0, filBar = 0, scanBar = 0, scanMaks = 0;
    qint64 indlaesteMapper = 0;

protected:
    void visVindue() override { vist = true; log("vis"); }
    void behandlHaendelser() override
    {
        ++behandlinger;
        if (stopEfter >= 0 && behandlinger >= stopEfter)
            stop();
    }

private:
    void log(const QString &t) { forloeb.append(t); }
};
