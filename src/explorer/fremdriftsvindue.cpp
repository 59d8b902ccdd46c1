#include "explorer/fremdriftsvindue.h"

#include "engines/kopifremdrift.h"
#include "explorer/motorvinduer.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>

template <class Graensesnit>
Fremdriftsvindue<Graensesnit>::Fremdriftsvindue(QWidget *parent, const QString &mappeOverskrift)
    : QDialog(parent, motorvinduer::fremdriftsflag())
    , infoLabel(new QLabel)
    , mappeLabel(new QLabel(mappeOverskrift))
    , mappeListe(new QListWidget)
    , procentLabel(new QLabel(QStringLiteral("0%")))
    , resterendeLabel(new QLabel)
    , bar(lavBar())
{
    setModal(false);
    mappeListe->setEnabled(false);
}

template <class Graensesnit>
QProgressBar *Fremdriftsvindue<Graensesnit>::lavBar()
{
    auto *b = new QProgressBar;
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    b->setFixedHeight(16);
    return b;
}

template <class Graensesnit>
QFrame *Fremdriftsvindue<Graensesnit>::panel(QLayout *indhold)
{
    auto *p = new QFrame;
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Sunken);
    p->setLayout(indhold);
    indhold->setContentsMargins(6, 3, 6, 3);
    return p;
}

template <class Graensesnit>
QFrame *Fremdriftsvindue<Graensesnit>::resterendePanel()
{
    auto *rest = new QHBoxLayout;
    rest->addWidget(new QLabel(QStringLiteral(" Resterende elementer: ")));
    rest->addWidget(procentLabel);
    rest->addSpacing(12);
    rest->addWidget(resterendeLabel, 1);
    return panel(rest);
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::visVindue()
{
    if (!isVisible()) {
        motorvinduer::centrer(this);
        motorvinduer::loesgoer(this);
    }
    show();
    raise();
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::luk()
{
    hide();
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::closeEvent(QCloseEvent *event)
{
    // Closing would not end the operation; the engine closes the window
    // when it is done.
    event->ignore();
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::reject()
{
    // Escape neither closes the window nor stops the operation.
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::setInformation(const QString &tekst)
{
    infoLabel->setText(tekst);
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::setMappeOverskrift(const QString &tekst)
{
    mappeLabel->setText(tekst);
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::rydMapper()
{
    mappeListe->clear();
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::tilfoejMappe(const QString &sti)
{
    auto *post = new QListWidgetItem(sti, mappeListe);
    post->setCheckState(Qt::Unchecked);
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::markerMappe(int raekke)
{
    if (QListWidgetItem *post = mappeListe->item(raekke))
        post->setCheckState(Qt::Checked);
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::setProcent(int procent)
{
    procentLabel->setText(QString::number(procent) + QLatin1Char('%'));
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::setResterende(const QString &tekst)
{
    resterendeLabel->setText(tekst);
}

template <class Graensesnit>
void Fremdriftsvindue<Graensesnit>::setBar(int procent)
{
    bar->setValue(qBound(0, procent, 100));
}

// The two windows there are: the delete window and the copy window.
template class Fremdriftsvindue<Fremdrift>;
template class Fremdriftsvindue<KopiFremdrift>;
