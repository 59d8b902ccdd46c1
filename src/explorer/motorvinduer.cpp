#include "explorer/motorvinduer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace motorvinduer {

Qt::WindowFlags flag(bool medLukkeknap)
{
    Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
    if (medLukkeknap)
        f |= Qt::WindowCloseButtonHint;
    return f;
}

Qt::WindowFlags fremdriftsflag()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint;
}

void centrer(QWidget *vindue)
{
    const QWidget *hoved = vindue->parentWidget() ? vindue->parentWidget()->window() : nullptr;
    QScreen *skaerm = hoved ? hoved->screen() : QGuiApplication::primaryScreen();
    const QRect omraade = skaerm ? skaerm->availableGeometry() : QRect();
    const QPoint midte = hoved && hoved->isVisible() ? hoved->frameGeometry().center() : omraade.center();
    if (!vindue->windowHandle())
        vindue->winId();   // creates the native window, whose frame margins we need
    const QMargins kant = vindue->windowHandle() ? vindue->windowHandle()->frameMargins() : QMargins();
    // A width read from a settings file may be wider than this screen.
    if (omraade.isValid())
        vindue->resize(vindue->size().boundedTo(omraade.size().shrunkBy(kant)).expandedTo(vindue->minimumSize()));
    QRect ramme(QPoint(), vindue->size().grownBy(kant));
    ramme.moveCenter(midte);
    if (omraade.isValid()) {
        ramme.moveLeft(qBound(omraade.left(), ramme.left(), qMax(omraade.left(), omraade.right() + 1 - ramme.width())));
        ramme.moveTop(qBound(omraade.top(), ramme.top(), qMax(omraade.top(), omraade.bottom() + 1 - ramme.height())));
    }
    vindue->setGeometry(ramme.marginsRemoved(kant));
}

void loesgoer(QWidget *vindue)
{
    if (!vindue->windowHandle())
        vindue->winId();
    if (QWindow *w = vindue->windowHandle())
        w->setTransientParent(nullptr);
}

void goerTilSpoergsmaal(QWidget *vindue)
{
    vindue->setWindowModality(Qt::WindowModal);
}

} // namespace motorvinduer
