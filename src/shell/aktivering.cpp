#include "shell/aktivering.h"

#include <QEvent>
#include <QMdiSubWindow>

void foelgAktivering(QWidget *vindue, QEvent *e, const std::function<void()> &aktiveret)
{
    switch (e->type()) {
    case QEvent::WindowActivate:
        if (vindue->isWindow())
            aktiveret();
        break;
    case QEvent::ParentChange:
        if (auto *ramme = qobject_cast<QMdiSubWindow *>(vindue->parentWidget())) {
            // A window put into the same sub-window again must not be told twice.
            QObject::disconnect(ramme, &QMdiSubWindow::windowStateChanged, vindue, nullptr);
            QObject::connect(ramme, &QMdiSubWindow::windowStateChanged, vindue,
                             [aktiveret](Qt::WindowStates foer, Qt::WindowStates nu) {
                                 if ((nu & Qt::WindowActive) && !(foer & Qt::WindowActive))
                                     aktiveret();
                             });
        }
        break;
    default:
        break;
    }
}

void lukVindue(QWidget *vindue)
{
    QWidget *ramme = vindue;
    for (QWidget *p = vindue->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<QMdiSubWindow *>(p)) {
            ramme = p;
            break;
        }
    }
    ramme->close();
}
