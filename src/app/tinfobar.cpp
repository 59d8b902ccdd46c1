#include "app/tinfobar.h"

#include <QFontMetrics>
#include <QLabel>

TInfobar::TInfobar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("infobar"));
    setSizeGripEnabled(true);
    for (int i = 0; i < 3; ++i) {
        m_panel[i] = new QLabel(this);
        m_panel[i]->setObjectName(QStringLiteral("infobarPanel%1").arg(i));
        m_panel[i]->setTextFormat(Qt::PlainText);
    }
    m_panel[0]->setFixedWidth(200);
    m_panel[1]->setFixedWidth(12);
    m_panel[1]->setFrameStyle(QFrame::Panel | QFrame::Raised);
    // Long messages are cut at the window edge instead of widening the window.
    m_panel[2]->setMinimumWidth(1);
    addWidget(m_panel[0]);
    addWidget(m_panel[1]);
    addWidget(m_panel[2], 1);
}

void TInfobar::UdskrivInfo(const QString &tekst)
{
    m_panel[2]->setText(tekst);
}

void TInfobar::InfoProg(const QString &tekst)
{
    // The panel shows the text at the size it was measured at, so it fits.
    QFont skrift = m_panel[0]->font();
    skrift.setPointSize(9);
    m_panel[0]->setFont(skrift);
    m_panel[0]->setFixedWidth(QFontMetrics(skrift).horizontalAdvance(tekst) + 8);
    m_panel[0]->setText(tekst);
}

QString TInfobar::panelTekst(int panel) const
{
    return m_panel[panel]->text();
}

int TInfobar::panelBredde(int panel) const
{
    return m_panel[panel]->width();
}
