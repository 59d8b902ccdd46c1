#include "explorer/taktivitetsviser.h"

#include <QPainter>
#include <QtMath>

TAktivitetsviser::TAktivitetsviser(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("aktivitetsviser"));
    setFixedSize(22, 22);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_trin = (m_trin + 1) % 12;
        update();
    });
}

void TAktivitetsviser::start()
{
    m_timer.start();
    update();
}

void TAktivitetsviser::stop()
{
    m_timer.stop();
    update();
}

void TAktivitetsviser::paintEvent(QPaintEvent *)
{
    if (!koerer())
        return;
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.translate(width() / 2.0, height() / 2.0);
    const QColor himmelblaa(0x87, 0xCE, 0xEB);
    for (int i = 0; i < 12; ++i) {
        QColor c = himmelblaa;
        c.setAlphaF(((i + 12 - m_trin) % 12 + 1) / 12.0);
        maler.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
        maler.drawLine(QPointF(0, -5), QPointF(0, -9));
        maler.rotate(30);
    }
}
