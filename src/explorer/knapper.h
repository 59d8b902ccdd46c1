#pragma once

#include "app/ikoner.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

// How the explorer window's buttons are made: a flat tool button bound to
// its command, so caption, hint, picture and enabled state follow the command.
namespace knapper {

inline QToolButton *knap(QAction *kommando, QWidget *parent, bool medTekst = false)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(kommando->objectName() + QStringLiteral("Knap"));
    b->setDefaultAction(kommando);
    b->setAutoRaise(true);
    b->setIconSize(QSize(18, 18));
    b->setToolButtonStyle(medTekst && !kommando->text().isEmpty() ? Qt::ToolButtonTextBesideIcon
                                                                  : Qt::ToolButtonIconOnly);
    return b;
}

// A command shown by its caption alone, drawn as a raised button so it is
// seen as one (a flat button without a picture reads as a label).
inline QToolButton *trykknap(QAction *kommando, QWidget *parent)
{
    QToolButton *b = knap(kommando, parent, true);
    b->setAutoRaise(false);
    return b;
}

// A command of a page: name, hint and a picture, with no caption.
inline QAction *sidekommando(QObject *ejer, const QString &navn, const QString &hint, const char *tema,
                             QStyle::StandardPixmap reserve, const QString &tekst = {})
{
    auto *a = new QAction(tekst, ejer);
    a->setObjectName(navn);
    a->setToolTip(hint.isEmpty() ? tekst : hint);
    a->setStatusTip(hint);
    a->setIcon(ikoner::hent(tema, reserve));
    return a;
}

inline QHBoxLayout *knaprad(QWidget *parent, const QList<QAction *> &kommandoer, bool medTekst = false)
{
    auto *rad = new QHBoxLayout;
    rad->setContentsMargins(0, 0, 0, 0);
    rad->setSpacing(1);
    for (QAction *a : kommandoer)
        rad->addWidget(knap(a, parent, medTekst));
    rad->addStretch();
    return rad;
}

} // namespace knapper

#include <QLabel>
#include <QMouseEvent>

namespace knapper {

// A check box or option whose text wraps: narrow side pages hold long
// Danish texts. Clicking the text clicks the button.
class OmbrudtTekst : public QLabel
{
public:
    OmbrudtTekst(const QString &tekst, QAbstractButton *knap, QWidget *parent)
        : QLabel(tekst, parent)
        , m_knap(knap)
    {
        setWordWrap(true);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && m_knap->isEnabled())
            m_knap->click();
    }

private:
    QAbstractButton *m_knap;
};

inline QHBoxLayout *ombrudt(QAbstractButton *knap, const QString &tekst, QWidget *parent)
{
    auto *rad = new QHBoxLayout;
    rad->setContentsMargins(0, 0, 0, 0);
    rad->addWidget(knap, 0, Qt::AlignTop);
    auto *etiket = new OmbrudtTekst(tekst, knap, parent);
    etiket->setObjectName(knap->objectName() + QStringLiteral("Tekst"));
    rad->addWidget(etiket, 1);
    return rad;
}

// The small "i" button beside an option.
inline QToolButton *infoKnap(QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(QStringLiteral("i"));
    b->setAutoRaise(true);
    b->setFixedSize(18, 18);
    return b;
}

inline QLabel *overskrift(const QString &tekst, QWidget *parent)
{
    auto *l = new QLabel(tekst, parent);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

} // namespace knapper
