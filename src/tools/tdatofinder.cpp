#include "tools/tdatofinder.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "core/dialogs.h"
#include "engines/kalender/kalenderdatoer.h"
#include "shell/vinduesdele.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kd = kalenderdatoer;

TDatofinder::TDatofinder(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    auto *overskrift = vinduesdele::overskrift(QStringLiteral("Find datoer"));
    l->addWidget(overskrift);
    m_titel = new QLabel;
    m_titel->setObjectName("titelLinje");
    l->addWidget(m_titel);
    l->addWidget(bygAarsvalg());
    l->addWidget(bygRaekker());
    l->addStretch();
}

QPushButton *TDatofinder::aarsknap(const QString &tekst, const QString &hint, const QString &navn, int antal)
{
    auto *k = new QPushButton(tekst);
    k->setObjectName(navn);
    hint::saet(k, hint);
    k->setFixedWidth(k->fontMetrics().horizontalAdvance(QStringLiteral("+10")) + 18);
    connect(k, &QPushButton::clicked, this, [this, antal] { flytAar(antal); });
    return k;
}

QWidget *TDatofinder::bygAarsvalg()
{
    auto *w = new QWidget;
    auto *gitter = new QGridLayout(w);
    gitter->setContentsMargins(0, 0, 0, 0);
    gitter->setHorizontalSpacing(4);

    m_aar = new QLineEdit(QString::number(QDate::currentDate().year()));
    m_aar->setObjectName("aarFelt");
    hint::saet(m_aar, QStringLiteral("Viser det år datoerne beregnes ud fra"));
    m_aar->setMaxLength(12);
    m_aar->setFixedWidth(m_aar->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    connect(m_aar, &QLineEdit::returnPressed, this, &TDatofinder::findDatoer);
    connect(m_aar, &QLineEdit::textEdited, this, [this] { m_nu->setEnabled(true); });
    auto *find = new QPushButton(QStringLiteral("Find datoer"));
    find->setObjectName("findKnap");
    hint::saet(find, QStringLiteral("Find datoer"));
    connect(find, &QPushButton::clicked, this, &TDatofinder::findDatoer);
    m_nu = new QPushButton(QStringLiteral("Nu"));
    m_nu->setObjectName("nuKnap");
    hint::saet(m_nu, QStringLiteral("Gå til nuværende år"));
    m_nu->setEnabled(false);   // the field starts at the current year
    connect(m_nu, &QPushButton::clicked, this, &TDatofinder::nu);
    auto *info = new QToolButton;
    info->setObjectName("datoInfoKnap");
    info->setIcon(ikoner::hent("help-about", QStyle::SP_MessageBoxInformation));
    // Only its hint tells something.
    hint::saet(info, QStringLiteral("Information: Datoer"));

    auto *foerste = new QHBoxLayout;
    foerste->addWidget(m_aar);
    foerste->addWidget(find);
    foerste->addWidget(m_nu);
    foerste->addStretch();
    foerste->addWidget(info);
    gitter->addLayout(foerste, 0, 0);

    auto *anden = new QHBoxLayout;
    anden->addWidget(aarsknap("-10", QStringLiteral("Gå ti år tilbage"), "tiTilbage", -10));
    anden->addWidget(aarsknap("-1", QStringLiteral("Gå et år tilbage"), "etTilbage", -1));
    anden->addWidget(aarsknap("+1", QStringLiteral("Gå et år frem"), "etFrem", 1));
    anden->addWidget(aarsknap("+10", QStringLiteral("Gå ti år frem"), "tiFrem", 10));
    anden->addStretch();
    gitter->addLayout(anden, 1, 0);
    return w;
}

QWidget *TDatofinder::bygRaekker()
{
    auto *w = new QWidget;
    auto *gitter = new QGridLayout(w);
    gitter->setContentsMargins(0, 8, 0, 0);
    gitter->setVerticalSpacing(4);
    const QList<kd::Helligdag> raekker = kd::startraekker();
    // Room for the widest date from the start, so the panel never grows
    // and squeezes the pages beside it when the dates are found.
    const int datobredde = fontMetrics().horizontalAdvance(QStringLiteral("26. December - Torsdag "));
    for (int i = 0; i < raekker.size(); ++i) {
        auto *caption = new QLabel(raekker[i].caption);
        caption->setObjectName(QStringLiteral("caption_%1").arg(i));
        auto *dato = new QLabel(raekker[i].dato);
        dato->setObjectName(QStringLiteral("dato_%1").arg(i));
        dato->setTextInteractionFlags(Qt::TextSelectableByMouse);
        dato->setMinimumWidth(datobredde);
        gitter->addWidget(caption, i, 0);
        gitter->addWidget(dato, i, 1);
        m_captions.append(caption);
        m_datoer.append(dato);
    }
    gitter->setColumnStretch(1, 1);
    return w;
}

void TDatofinder::findDatoer()
{
    const int aar = kd::rensTal(m_aar->text());
    if (aar < kd::mindsteAar || aar > kd::stoersteAar) {
        m_dialogs.inform(QStringLiteral("Året skal være et tal fra ") + QString::number(kd::mindsteAar)
                         + QStringLiteral(" til ") + QString::number(kd::stoersteAar) + u'.');
        return;
    }
    m_titel->setText(QStringLiteral("Datoer: ") + m_aar->text());
    const QList<kd::Helligdag> raekker = kd::findDatoer(aar);
    for (int i = 0; i < raekker.size() && i < m_datoer.size(); ++i) {
        m_datoer[i]->setText(raekker[i].dato);
        hint::saet(m_datoer[i], raekker[i].hint);
        hint::saet(m_captions[i], raekker[i].hint);
    }
}

void TDatofinder::nu()
{
    m_aar->setText(QString::number(QDate::currentDate().year()));
    m_nu->setEnabled(false);
}

void TDatofinder::flytAar(int antal)
{
    // The buttons keep the year among those the finder can compute.
    const qint64 aar = qint64(kd::rensTal(m_aar->text())) + antal;
    m_aar->setText(QString::number(qBound(qint64(kd::mindsteAar), aar, qint64(kd::stoersteAar))));
    m_nu->setEnabled(true);
}

void TDatofinder::rydTitel()
{
    m_titel->clear();
}

QString TDatofinder::titel() const
{
    return m_titel->text();
}

QString TDatofinder::dato(int raekke) const
{
    return m_datoer.value(raekke) ? m_datoer[raekke]->text() : QString();
}

QString TDatofinder::caption(int raekke) const
{
    return m_captions.value(raekke) ? m_captions[raekke]->text() : QString();
}

QString TDatofinder::hint(int raekke) const
{
    return m_captions.value(raekke) ? m_captions[raekke]->toolTip() : QString();
}
