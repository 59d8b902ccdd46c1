#include "shell/turlform1.h"

#include "app/skaermplacering.h"
#include "platform/tekstfil.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Turlform1::Turlform1(const QString &settingsfil, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_settingsfil(settingsfil)
    , m_urlListe(new QListWidget)
    , m_sletAlle(new QPushButton("Slet liste"))
{
    setObjectName("Turlform1");
    setWindowTitle("Informationssider");
    m_urlListe->setObjectName("urlListe");
    m_sletAlle->setObjectName("AsletAlle");
    m_sletAlle->setToolTip("Slet alle urls fra listen");
    auto *luk = new QPushButton("Luk");
    luk->setToolTip("Luk urlboksen");
    connect(luk, &QPushButton::clicked, this, &QWidget::close);
    connect(m_sletAlle, &QPushButton::clicked, this, &Turlform1::sletAlle);

    m_listeplads = new QVBoxLayout;
    m_listeplads->addWidget(m_urlListe);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(m_sletAlle);
    knapper->addStretch();
    knapper->addWidget(luk);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_listeplads);
    layout->addLayout(knapper);

    resize(260, 380);
    const QStringList linjer = tekstfil::hent(m_settingsfil, tekstfil::Art::Indstillinger);
    bool okB = false, okH = false;
    const int b = linjer.value(0).toInt(&okB);
    const int h = linjer.value(1).toInt(&okH);
    if (okB && okH && b > 50 && h > 50)
        resize(skaermplacering::tilpas(this, QRect(pos(), QSize(b, h))).size());
}

void Turlform1::laanUd()
{
    hide();
    m_listeplads->removeWidget(m_urlListe);
}

void Turlform1::tagTilbage()
{
    m_listeplads->addWidget(m_urlListe);
    m_urlListe->show();
}

void Turlform1::closeEvent(QCloseEvent *event)
{
    tekstfil::gem(m_settingsfil, {QString::number(width()), QString::number(height())});
    QWidget::closeEvent(event);
    emit synlighedSkiftet();
}

void Turlform1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    emit synlighedSkiftet();
}
