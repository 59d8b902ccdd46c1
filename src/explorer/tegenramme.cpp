#include "explorer/tegenramme.h"

#include "explorer/twinform.h"
#include "platform/brugernavn.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

TEgenRamme::TEgenRamme(const QString &optMappe, QWidget *vindue)
    : QObject(vindue)
    , m_optMappe(optMappe)
    , m_vindue(vindue)
{
}

QString TEgenRamme::brugernavn() const
{
    return brugernavn::hent();
}

void TEgenRamme::skrivSti(const QString &sti)
{
    m_sti = sti;
    emit stiSkiftet(sti);
}

void TEgenRamme::skiftBlokerFunktioner()
{
    m_valg.blokerFunktioner = !m_valg.blokerFunktioner;
    if (auto *w = qobject_cast<Twinform *>(m_vindue))
        w->setActionUpdates(m_valg.blokerFunktioner);
}

void TEgenRamme::skiftTopPanel()
{
    m_valg.vistoppanel = !m_valg.vistoppanel;
    if (auto *w = qobject_cast<Twinform *>(m_vindue))
        w->anvendFaellesValg();
}

void TEgenRamme::inform(const QString &tekst)
{
    QMessageBox::information(m_vindue, QStringLiteral("Information"), QString(tekst).replace(u'\r', u'\n'));
}

bool TEgenRamme::ask(const QString &tekst, bool visAlleCheck, bool *alle)
{
    QMessageBox boks(QMessageBox::Question, QStringLiteral("Spørgsmål"), QString(tekst).replace(u'\r', u'\n'),
                     QMessageBox::NoButton, m_vindue);
    QAbstractButton *ja = boks.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    boks.addButton(QStringLiteral("Nej"), QMessageBox::NoRole);
    QCheckBox *check = nullptr;
    if (visAlleCheck) {
        check = new QCheckBox(QStringLiteral("Gør det samme med alle"), &boks);
        boks.setCheckBox(check);
    }
    boks.exec();
    if (alle)
        *alle = check && check->isChecked();
    return boks.clickedButton() == ja;
}
