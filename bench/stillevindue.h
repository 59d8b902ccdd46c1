#pragma once

#include "engines/fremdrift.h"

#include <QString>

// A progress window whose texts go nowhere, for benchmarks that run the
// engines without windows. `Basis` is the progress interface (Fremdrift or
// one built on it); pending events are still processed as with a window.
template <class Basis>
class StilleVindue : public Basis
{
public:
    void luk() override {}
    void setInformation(const QString &) override {}
    void setDestination(const QString &) override {}
    void setMappeOverskrift(const QString &) override {}
    void rydMapper() override {}
    void tilfoejMappe(const QString &) override {}
    void markerMappe(int) override {}
    void setProcent(int) override {}
    void setResterende(const QString &) override {}
    void setBar(int) override {}

protected:
    void visVindue() override {}
};
