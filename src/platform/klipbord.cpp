#include "platform/klipbord.h"

#include <QClipboard>
#include <QGuiApplication>

namespace klipbord {

void saetTekst(const QString &tekst)
{
    QGuiApplication::clipboard()->setText(tekst);
}

QString tekst()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace klipbord
