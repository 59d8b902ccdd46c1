#include "app/tstistrimmel.h"

#include "app/hint.h"
#include "platform/klipbord.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace {

bool erFil(const QString &sti)
{
    const QFileInfo info(sti);
    return !sti.isEmpty() && info.exists() && !info.isDir();
}

QToolButton *lavKnap(QWidget *parent, const QString &navn, QStyle::StandardPixmap ikon)
{
    auto *knap = new QToolButton(parent);
    knap->setObjectName(navn);
    knap->setIcon(parent->style()->standardIcon(ikon));
    knap->setAutoRaise(true);
    knap->setFixedSize(26, 26);
    return knap;
}

} // namespace

TStistrimmel::TStistrimmel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("stiStrimmel"));
    setFixedHeight(30);

    auto *label = new QLabel(QStringLiteral("Aktuelle element"), this);
    m_editSti = new QLineEdit(this);
    m_editSti->setObjectName(QStringLiteral("EditSti"));
    m_editSti->setReadOnly(true);

    m_klipbordStiKnap = lavKnap(this, QStringLiteral("klipbordStiKnap"), QStyle::SP_DirIcon);
    hint::saet(m_klipbordStiKnap, QStringLiteral("Kopier aktuelle sti til klipbordet"));
    m_klipbordStiFilKnap = lavKnap(this, QStringLiteral("klipbordStiFilKnap"), QStyle::SP_FileIcon);
    hint::saet(m_klipbordStiFilKnap, QStringLiteral("Kopier aktuelle sti med filnavn til klipbordet"));
    m_infMappe = lavKnap(this, QStringLiteral("infMappe"), QStyle::SP_DirOpenIcon);
    m_panelKnap = lavKnap(this, QStringLiteral("panelKnap"), QStyle::SP_ToolBarHorizontalExtensionButton);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 4, 2);
    layout->setSpacing(4);
    layout->addWidget(label);
    layout->addWidget(m_editSti, 1);
    layout->addWidget(m_klipbordStiKnap);
    layout->addWidget(m_klipbordStiFilKnap);
    layout->addWidget(m_infMappe);
    layout->addWidget(m_panelKnap);

    connect(m_klipbordStiKnap, &QToolButton::clicked, this, &TStistrimmel::kopierSti);
    connect(m_klipbordStiFilKnap, &QToolButton::clicked, this, &TStistrimmel::kopierFilnavn);
}

QString TStistrimmel::sti() const
{
    return m_editSti->text();
}

void TStistrimmel::setSti(const QString &sti)
{
    m_editSti->setText(sti);
}

void TStistrimmel::bindKommandoer(QAction *aOpenStifinder, QAction *aPanelV)
{
    m_infMappe->setDefaultAction(aOpenStifinder);
    m_panelKnap->setDefaultAction(aPanelV);
    // setDefaultAction takes the action's text; these buttons stay icon-only.
    m_infMappe->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The panel button names its command: it reads the same in every design.
    m_panelKnap->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_panelKnap->setMinimumSize(0, 26);
    m_panelKnap->setMaximumSize(QWIDGETSIZE_MAX, 26);
}

TStistrimmel::Udfald TStistrimmel::stiTilKlipbord(const QString &sti)
{
    const QString kopi = erFil(sti) ? QFileInfo(sti).absolutePath() : sti;
    return {kopi, QStringLiteral("Stien blev kopieret til klipbordet")};
}

TStistrimmel::Udfald TStistrimmel::filnavnTilKlipbord(const QString &sti)
{
    if (erFil(sti))
        return {sti, QStringLiteral("Filnavnet blev kopieret til klipbordet")};
    return {QString(), QStringLiteral("Der er ikke valgt et filnavn")};
}

QString TStistrimmel::mappeAt(const QString &sti)
{
    if (sti.isEmpty())
        return {};
    const QString mappe = erFil(sti) ? QFileInfo(sti).absolutePath() : sti;
    return QFileInfo(mappe).isDir() ? mappe : QString();
}

void TStistrimmel::kopierSti()
{
    const Udfald u = stiTilKlipbord(sti());
    klipbord::saetTekst(u.kopi);
    emit udskrivInfo(u.besked);
}

void TStistrimmel::kopierFilnavn()
{
    const Udfald u = filnavnTilKlipbord(sti());
    if (!u.kopi.isEmpty())
        klipbord::saetTekst(u.kopi);
    emit udskrivInfo(u.besked);
}
