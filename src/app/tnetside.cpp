#include "app/tnetside.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/navngivnekommandoer.h"
#include "engines/netsoegning.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *knap(QAction *a, QWidget *eier)
{
    auto *b = new QToolButton(eier);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setDefaultAction(a);
    b->setToolButtonStyle(a->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    return b;
}

} // namespace

TNetside::TNetside(Ramme ramme, QWidget *parent)
    : QWidget(parent)
    , m_ramme(std::move(ramme))
{
    setObjectName(QStringLiteral("netside"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lavSoegning(), 3);
    layout->addSpacing(10);
    layout->addWidget(lavBeskedcenter());
    layout->addStretch(1);
    opdaterKommandoer();
}

QAction *TNetside::lavKommando(const char *navn, const QString &tekst, const QString &hintTekst,
                               const QKeySequence &tast)
{
    return navngivne::lavMedLokalTast(this, navn, tekst, hintTekst, tast);
}

QWidget *TNetside::lavSoegning()
{
    using netsoegning::Tjeneste;
    auto *side = new QWidget(this);
    QAction *google = lavKommando("googleUrlen", QStringLiteral("Google"),
                                  QStringLiteral("Søg med Google: Shift+Ctrl+G"),
                                  QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_G));
    QAction *bing = lavKommando("bingUrl", QStringLiteral("Bing"), QStringLiteral("Søg med Microsoft Bing: Shift+Ctrl+B"),
                                QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_B));
    QAction *tube = lavKommando("tubeUrl", QStringLiteral("Søg på YouTube"),
                                QStringLiteral("Søg med YouTube: Shift+Ctrl+T"));
    QAction *rens = lavKommando("aClearMemo", QString(), QStringLiteral("Rens tekstvinduet for tekst"));
    for (QAction *a : {google, bing, tube})
        a->setIcon(ikoner::hent("web-browser", QStyle::SP_DriveNetIcon));
    rens->setIcon(ikoner::hent("edit-clear", QStyle::SP_DialogResetButton));
    connect(google, &QAction::triggered, this,
            [this] { m_ramme.aabnAdresse(netsoegning::adresse(Tjeneste::Google, soegeord())); });
    connect(bing, &QAction::triggered, this,
            [this] { m_ramme.aabnAdresse(netsoegning::adresse(Tjeneste::Bing, soegeord())); });
    connect(tube, &QAction::triggered, this,
            [this] { m_ramme.aabnAdresse(netsoegning::adresse(Tjeneste::YouTube, tubeOrd())); });
    connect(rens, &QAction::triggered, this, [this] { m_findMemo->clear(); });

    auto radio = [this, side](const char *navn, const QString &hintTekst) {
        auto *r = new QRadioButton(side);
        r->setObjectName(QLatin1String(navn));
        hint::saet(r, hintTekst);
        // Each button stands in a group of its own; a click selects it and
        // deselects the other two.
        r->setAutoExclusive(false);
        connect(r, &QRadioButton::clicked, this, [this, r] { vaelg(r); });
        return r;
    };
    auto felt = [this, side](const char *navn) {
        auto *e = new QLineEdit(side);
        e->setObjectName(QLatin1String(navn));
        hint::saet(e, QStringLiteral("Søgefelt"));
        e->setPlaceholderText(QStringLiteral("Indfør søgetekst"));
        connect(e, &QLineEdit::textChanged, this, &TNetside::opdaterKommandoer);
        return e;
    };
    m_checkFind = radio("CheckFind", QStringLiteral("Anvend mit tekstfelt"));
    m_checkFind->setChecked(true);
    m_findEditX = felt("findEditX");
    m_checkMemo = radio("CheckMemo", QStringLiteral("Anvend min skriveboks"));
    m_findMemo = new QPlainTextEdit(side);
    m_findMemo->setObjectName(QStringLiteral("findMemo"));
    connect(m_findMemo, &QPlainTextEdit::textChanged, this, &TNetside::opdaterKommandoer);
    m_checkTube = radio("CheckTube", QStringLiteral("Anvend mit skrivefelt"));
    m_tubeEdit = felt("tubeEdit");

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(knap(google, side));
    knapper->addWidget(knap(bing, side));
    knapper->addStretch(1);

    auto *gitter = new QGridLayout;
    gitter->setColumnStretch(1, 1);
    gitter->addWidget(new QLabel(QStringLiteral("Søg efter:"), side), 0, 0, 1, 2);
    gitter->addWidget(m_checkFind, 1, 0);
    gitter->addWidget(m_findEditX, 1, 1);
    auto *memoKnapper = new QVBoxLayout;
    memoKnapper->addWidget(m_checkMemo);
    memoKnapper->addWidget(knap(rens, side));
    memoKnapper->addStretch(1);
    gitter->addLayout(memoKnapper, 2, 0);
    gitter->addWidget(m_findMemo, 2, 1);

    auto *tubeLinje = new QHBoxLayout;
    tubeLinje->addWidget(knap(tube, side));
    tubeLinje->addStretch(1);
    auto *tubeGitter = new QGridLayout;
    tubeGitter->setColumnStretch(1, 1);
    tubeGitter->addWidget(new QLabel(QStringLiteral("Søg efter:"), side), 0, 0, 1, 2);
    tubeGitter->addWidget(m_checkTube, 1, 0);
    tubeGitter->addWidget(m_tubeEdit, 1, 1);

    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(knapper);
    layout->addLayout(gitter, 1);
    layout->addSpacing(10);
    layout->addLayout(tubeLinje);
    layout->addLayout(tubeGitter);
    return side;
}

QWidget *TNetside::lavBeskedcenter()
{
    auto *side = new QWidget(this);
    m_bcEdit = new QLineEdit(side);
    m_bcEdit->setObjectName(QStringLiteral("bcEdit"));
    m_bcEdit->setPlaceholderText(QStringLiteral("Skriv overskriften her"));
    m_bcEditTekst = new QLineEdit(side);
    m_bcEditTekst->setObjectName(QStringLiteral("bcEditTekst"));
    m_bcEditTekst->setPlaceholderText(QStringLiteral("Skriv beskeden her"));
    auto *ny = new QPushButton(QStringLiteral("Ny"), side);
    ny->setObjectName(QStringLiteral("bcNy"));
    m_send = new QPushButton(QStringLiteral("Send"), side);
    m_send->setObjectName(QStringLiteral("bcSend"));
    // Enter moves on from the title to the message, and from there to "Send".
    connect(m_bcEdit, &QLineEdit::returnPressed, m_bcEditTekst, [this] { m_bcEditTekst->setFocus(); });
    connect(m_bcEditTekst, &QLineEdit::returnPressed, m_send, [this] { m_send->setFocus(); });
    connect(ny, &QPushButton::clicked, this, [this] {
        m_bcEdit->clear();
        m_bcEditTekst->clear();
        m_bcEdit->setFocus();
    });
    connect(m_send, &QPushButton::clicked, this, [this] { m_ramme.makeInfo(m_bcEdit->text(), m_bcEditTekst->text()); });

    auto *knapper = new QHBoxLayout;
    knapper->addStretch(1);
    knapper->addWidget(ny);
    knapper->addWidget(m_send);
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Besked center")));
    layout->addWidget(m_bcEdit);
    layout->addWidget(m_bcEditTekst);
    layout->addLayout(knapper);
    return side;
}

QAction *TNetside::kommando(const QString &navn) const
{
    return navngivne::find(this, navn);
}

void TNetside::vaelg(QRadioButton *radio)
{
    for (QRadioButton *r : {m_checkFind, m_checkMemo, m_checkTube})
        r->setChecked(r == radio);
    if (radio == m_checkFind)
        m_findEditX->setFocus();
    else if (radio == m_checkMemo)
        m_findMemo->setFocus();
    else
        m_tubeEdit->setFocus();
    opdaterKommandoer();
}

QString TNetside::soegeord() const
{
    QString ord;
    if (m_checkFind->isChecked())
        ord = m_findEditX->text();
    else if (m_checkMemo->isChecked())
        ord = m_findMemo->toPlainText();
    return netsoegning::soegeord(ord);
}

QString TNetside::tubeOrd() const
{
    return netsoegning::soegeord(m_checkTube->isChecked() ? m_tubeEdit->text() : QString());
}

void TNetside::opdaterKommandoer()
{
    const bool tekst = !m_findEditX->text().isEmpty() || !m_findMemo->toPlainText().isEmpty();
    const bool google = (m_checkFind->isChecked() || m_checkMemo->isChecked()) && tekst;
    kommando(QStringLiteral("googleUrlen"))->setEnabled(google);
    kommando(QStringLiteral("bingUrl"))->setEnabled(google);
    kommando(QStringLiteral("tubeUrl"))->setEnabled(m_checkTube->isChecked() && !m_tubeEdit->text().isEmpty());
    kommando(QStringLiteral("aClearMemo"))->setEnabled(!m_findMemo->toPlainText().isEmpty());
}
