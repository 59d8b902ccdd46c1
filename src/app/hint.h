#pragma once

#include <QAction>
#include <QString>
#include <QWidget>

// A hint shows as a tooltip and, through the status tip, in the status line.
namespace hint {

inline void saet(QWidget *w, const QString &tekst)
{
    w->setToolTip(tekst);
    w->setStatusTip(tekst);
}

inline void saet(QAction *a, const QString &tekst)
{
    a->setToolTip(tekst);
    a->setStatusTip(tekst);
}

} // namespace hint
