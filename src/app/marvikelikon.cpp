#include "app/marvikelikon.h"

QIcon marvikelIkon()
{
    QIcon ikon = QIcon::fromTheme(QStringLiteral("marvikel"));
    if (!ikon.isNull())
        return ikon;
    // Every size is decoded at once and sent to the window manager with each
    // window; title bars and window switchers ask for 128 at most, and the
    // launchers take the installed icon.
    for (int stoerrelse : {16, 32, 48, 64, 128})
        ikon.addFile(QStringLiteral(":/marvikel/png/marvikel-%1.png").arg(stoerrelse), QSize(stoerrelse, stoerrelse));
    return ikon;
}
