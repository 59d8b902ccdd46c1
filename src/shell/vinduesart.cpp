#include "shell/vinduesart.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char *artEgenskab = "marvikelVinduesart";
}

void saetVinduesart(QWidget *vindue, Vinduesart art)
{
    vindue->setProperty(artEgenskab, int(art));
}

Vinduesart vinduesart(const QWidget *vindue)
{
    if (!vindue)
        return Vinduesart::Andet;
    const QVariant v = vindue->property(artEgenskab);
    return v.isValid() ? Vinduesart(v.toInt()) : Vinduesart::Andet;
}

QString hjaelpesideFor(Vinduesart art)
{
    switch (art) {
    case Vinduesart::Klipbord: return "Klipbordet.html";
    case Vinduesart::Genveje: return "Genveje.html";
    case Vinduesart::Programmer: return "Indfør programmer.html";
    case Vinduesart::Mappestruktur: return "Opret mappestrukturer.html";
    case Vinduesart::FindTekst: return "Søg i tekstfiler.html";
    case Vinduesart::Billeder: return "Billeder.html";
    case Vinduesart::Kalender: return "Kalender.html";
    case Vinduesart::Wmi: return "WMI.html";
    case Vinduesart::Applets: return "Applets.html";
    default: return {};
    }
}
