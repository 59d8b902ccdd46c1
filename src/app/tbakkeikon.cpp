#include "app/tbakkeikon.h"

#include "app/marvikelikon.h"

#include <QEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

TBakkeikon::TBakkeikon(QWidget *vindue, std::function<bool()> bakkeFindes)
    : QObject(vindue)
    , m_vindue(vindue)
    , m_ikon(new QSystemTrayIcon(marvikelIkon(), this))
    , m_bakkeFindes(bakkeFindes ? std::move(bakkeFindes) : [] { return QSystemTrayIcon::isSystemTrayAvailable(); })
{
    m_ikon->setObjectName(QStringLiteral("bakkeikon"));
    m_ikon->setToolTip(QStringLiteral("Marvikel"));
    connect(m_ikon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason grund) {
        if (grund == QSystemTrayIcon::Trigger || grund == QSystemTrayIcon::DoubleClick)
            gendan();
    });
    m_ikon->show();
    m_vindue->installEventFilter(this);
}

TBakkeikon::~TBakkeikon()
{
    m_vindue->removeEventFilter(this);
}

bool TBakkeikon::vises() const
{
    return m_ikon->isVisible() && m_bakkeFindes();
}

bool TBakkeikon::visBesked(const QString &overskrift, const QString &tekst)
{
    if (!vises())
        return false;
    m_ikon->showMessage(overskrift, tekst, marvikelIkon());
    return true;
}

void TBakkeikon::gendan()
{
    m_vindue->showNormal();
    m_vindue->raise();
    m_vindue->activateWindow();
}

bool TBakkeikon::eventFilter(QObject *objekt, QEvent *e)
{
    // Hidden only once the minimise has been carried out, and only while
    // the icon can bring the window back.
    if (objekt == m_vindue && e->type() == QEvent::WindowStateChange && m_vindue->isMinimized() && vises())
        QTimer::singleShot(0, m_vindue, [this] {
            if (m_vindue->isMinimized() && vises())
                m_vindue->hide();
        });
    return false;
}
