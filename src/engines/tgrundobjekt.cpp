#include "engines/tgrundobjekt.h"

#include "core/dialogs.h"

TGrundObjekt::TGrundObjekt(QObject *ejer)
    : QObject(ejer)
{
}

void TGrundObjekt::informer(const QString &tekst) const
{
    if (m_dialogs)
        m_dialogs->inform(tekst);
}
