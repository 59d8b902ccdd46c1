#include "app/tsenereside.h"

#include <QVBoxLayout>

TSenereSide::TSenereSide(Bygger byg, Efter efter, QWidget *parent)
    : QWidget(parent)
    , m_byg(std::move(byg))
    , m_efter(std::move(efter))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QWidget *TSenereSide::indhold()
{
    if (m_indhold)
        return m_indhold;
    m_indhold = std::exchange(m_byg, {})();
    layout()->addWidget(m_indhold);
    // Added to a page already on screen, the content would otherwise only
    // show in the next event round, after a paint without it.
    if (isVisible())
        m_indhold->show();
    if (const Efter efter = std::exchange(m_efter, {}))
        efter(m_indhold);
    return m_indhold;
}

void TSenereSide::showEvent(QShowEvent *e)
{
    indhold();
    QWidget::showEvent(e);
}
