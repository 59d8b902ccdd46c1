#include "explorer/twinform.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

Twinform::Twinform(int nummer, const QString &optMappe, QWidget *parent)
    : QWidget(parent)
    , m_nummer(nummer)
    , m_optMappe(optMappe)
    , m_aktuelleElement(QDir::homePath())
{
    setObjectName("Twinform");
    setWindowTitle(QString("Stifinder %1").arg(nummer));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *tekst = new QLabel(m_aktuelleElement);
    tekst->setObjectName("aktuelleElement");
    layout->addWidget(tekst);
    layout->addStretch();
}

QString Twinform::settingsfil() const
{
    return m_optMappe + windowTitle() + ".txt";
}
