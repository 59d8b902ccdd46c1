#include "shell/thintregel.h"

#include "shell/vinduesart.h"

#include <QEvent>
#include <QStatusTipEvent>
#include <QWidget>

THintregel::THintregel(std::function<bool()> visHints, QObject *parent)
    : QObject(parent)
    , m_visHints(std::move(visHints))
{
}

QWidget *THintregel::barnevindue(QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (vinduesart(w) != Vinduesart::Andet)
            return w;
    }
    return nullptr;
}

bool THintregel::maaVise(QWidget *w) const
{
    return !barnevindue(w) || (m_visHints && m_visHints());
}

bool THintregel::eventFilter(QObject *objekt, QEvent *event)
{
    if (!objekt->isWidgetType())
        return false;
    auto *w = static_cast<QWidget *>(objekt);
    switch (event->type()) {
    case QEvent::ToolTip:
        return !maaVise(w);
    case QEvent::StatusTip:
        // A status tip travels up to its window and stops there; a free
        // child window hands it on to the frame's status line.
        if (w->isWindow() && hintInfo && barnevindue(w)) {
            hintInfo(static_cast<QStatusTipEvent *>(event)->tip());
            return true;
        }
        return false;
    default:
        return false;
    }
}
