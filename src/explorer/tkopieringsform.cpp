#include "explorer/tkopieringsform.h"

#include "app/ikoner.h"
#include "explorer/motorvinduer.h"
#include "platform/tekstfil.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int BilledeStoerrelse = 32;
// The frame and splitter handle around the two panels.
constexpr int PanelTillaeg = 21;

QWidget *listePanel(const QString &overskrift, QListWidget *liste)
{
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(overskrift));
    layout->addWidget(liste);
    return panel;
}

QIcon billedeFor(Bekraeftelse::Art art)
{
    switch (art) {
    case Bekraeftelse::Art::Flytning: return ikoner::hent("edit-cut", QStyle::SP_ArrowForward);
    case Bekraeftelse::Art::Sletning: return ikoner::hent("edit-delete", QStyle::SP_TrashIcon);
    default: return ikoner::hent("edit-copy", QStyle::SP_FileIcon);
    }
}

} // namespace

Tkopieringsform::Maal Tkopieringsform::hentMaal(const QString &filnavn)
{
    Maal m;
    const QStringList linjer = tekstfil::hent(filnavn, tekstfil::Art::Indstillinger);
    if (linjer.size() < 2)
        return m;
    bool ok1 = false, ok2 = false;
    const int bredde = linjer[0].trimmed().toInt(&ok1);
    const int panel = linjer[1].trimmed().toInt(&ok2);
    if (!ok1 || !ok2)
        return m;
    m.bredde = qBound(MinBredde, bredde, MaksBredde);
    m.filPanel = qBound(0, panel, m.bredde - PanelTillaeg);
    return m;
}

Tkopieringsform::Tkopieringsform(const QString &optMappe, QWidget *parent)
    : QDialog(parent, motorvinduer::flag(true))
    , destEdit(new QLineEdit)
    , filListe(new QListWidget)
    , mappeListe(new QListWidget)
    , spmLabel(new QLabel)
    , billede(new QLabel)
    , stoerreKnap(new QToolButton)
    , mindreKnap(new QToolButton)
    , m_deler(new QSplitter(Qt::Horizontal))
{
    setWindowTitle(QStringLiteral("Kopiering/Flytning/Sletning"));
    motorvinduer::goerTilSpoergsmaal(this);
    setMinimumWidth(MinBredde);
    setMaximumWidth(MaksBredde);

    destEdit->setReadOnly(true);
    auto *destRaekke = new QHBoxLayout;
    destRaekke->addWidget(new QLabel(QStringLiteral("Destignationsmappe:")));
    destRaekke->addWidget(destEdit, 1);

    m_filPanel = listePanel(QStringLiteral("Filer:"), filListe);
    m_mappePanel = listePanel(QStringLiteral("Mapper:"), mappeListe);
    m_deler->addWidget(m_filPanel);
    m_deler->addWidget(m_mappePanel);
    m_deler->setChildrenCollapsible(false);

    stoerreKnap->setArrowType(Qt::RightArrow);
    stoerreKnap->setToolTip(QStringLiteral("Gør boksen større"));
    mindreKnap->setArrowType(Qt::LeftArrow);
    mindreKnap->setToolTip(QStringLiteral("Gør boksen mindre"));
    connect(stoerreKnap, &QToolButton::clicked, this, [this] { skiftBredde(Trin); });
    connect(mindreKnap, &QToolButton::clicked, this, [this] { skiftBredde(-Trin); });

    billede->setFixedSize(BilledeStoerrelse, BilledeStoerrelse);
    auto *nej = new QPushButton(QStringLiteral("Nej"));
    auto *ja = new QPushButton(QStringLiteral("Ja"));
    ja->setDefault(true);
    connect(nej, &QPushButton::clicked, this, &QDialog::reject);
    connect(ja, &QPushButton::clicked, this, &QDialog::accept);

    auto *bund = new QHBoxLayout;
    bund->addWidget(mindreKnap);
    bund->addWidget(stoerreKnap);
    bund->addSpacing(8);
    bund->addWidget(billede);
    bund->addWidget(spmLabel, 1);
    bund->addWidget(nej);
    bund->addWidget(ja);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(destRaekke);
    layout->addWidget(m_deler, 1);
    layout->addLayout(bund);

    const Maal maal = hentMaal(optMappe + QStringLiteral("Spm_kopiering.txt"));
    resize(maal.bredde, StandardHoejde);
    m_filPanelFraFil = maal.filPanel;
    opdaterKnapper();
}

int Tkopieringsform::mappePanelBredde() const
{
    return m_deler->sizes().value(1);
}

int Tkopieringsform::filPanelBredde() const
{
    return m_deler->sizes().value(0);
}

void Tkopieringsform::skiftBredde(int aendring)
{
    const int ny = qBound(MinBredde, width() + aendring, MaksBredde);
    resize(ny, height());
    const int mappePanel = (ny - PanelTillaeg) / 2;
    const int ialt = m_deler->sizes().value(0) + m_deler->sizes().value(1);
    m_deler->setSizes({qMax(0, ialt - mappePanel), mappePanel});
    opdaterKnapper();
}

void Tkopieringsform::opdaterKnapper()
{
    stoerreKnap->setEnabled(kanGoereStoerre(width()));
    mindreKnap->setEnabled(kanGoereMindre(width()));
}

void Tkopieringsform::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    opdaterKnapper();
}

void Tkopieringsform::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_filPanelFraFil < 0)
        return;
    const int ialt = m_deler->sizes().value(0) + m_deler->sizes().value(1);
    m_deler->setSizes({qMin(m_filPanelFraFil, ialt), qMax(0, ialt - m_filPanelFraFil)});
    m_filPanelFraFil = -1;
}

void Tkopieringsform::forbered(const Tekster &tekster, const QStringList &filer, const QStringList &mapper)
{
    setWindowTitle(tekster.caption);
    spmLabel->setText(tekster.spoergsmaal);
    billede->setPixmap(billedeFor(tekster.art).pixmap(BilledeStoerrelse, BilledeStoerrelse));
    destEdit->setText(tekster.destination);
    filListe->clear();
    filListe->addItems(filer);
    mappeListe->clear();
    mappeListe->addItems(mapper);
}

bool Tkopieringsform::spoerg()
{
    motorvinduer::centrer(this);
    return exec() == QDialog::Accepted;
}

bool Tkopieringsform::skalElementerKopieres(const QString &aDestDir, bool flytEle, const QStringList &filelist,
                                           const QStringList &mappelist)
{
    QCoreApplication::processEvents();
    forbered(kopiTekster(aDestDir, flytEle), filelist, mappelist);
    return spoerg();
}

bool Tkopieringsform::skalElementerSlettes(const QStringList &Fliste, const QStringList &Mliste, bool tilPapirkurv)
{
    forbered(sletTekster(tilPapirkurv), Fliste, Mliste);
    return spoerg();
}
