#include "app/marvikelikon.h"

QIcon marvikelIkon()
{
    QIcon ikon = QIcon::fromTheme(QStringLiteral("marvikel"));
    if (!ikon.isNull())
        return ikon;
    for (int stoerrelse : {16, 32, 48, 64, 128, 256})
        ikon.addFile(QStringLiteral(":/marvikel/png/marvikel-%1.png").arg(stoerrelse), QSize(stoerrelse, stoerrelse));
    return ikon;
}
