#include "tools/twaform.h"

#include "app/hint.h"
#include "engines/systeminfo/tapplets.h"
#include "shell/aktivering.h"
#include "shell/vinduesdele.h"
#include "tools/thjaelpevisning.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

} // namespace

TwaForm::TwaForm(Dialogs &dialogs, const QString &appletsDir, const QString &infoDir,
                 const std::function<void(const QString &side)> &infoHelp, QWidget *parent)
    : QWidget(parent)
    , m_applets(new TApplets(dialogs, appletsDir, this))
{
    setObjectName(QStringLiteral("TwaForm"));
    setWindowTitle(QStringLiteral("Window Applets"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *venstre = new QVBoxLayout;
    venstre->addWidget(vinduesdele::overskrift(QStringLiteral("Window Applets"), 1.4));
    venstre->addWidget(new QLabel(QStringLiteral("Nemadgang til forskellige skrivebordselementer")));
    const int grupper[] = {4, 5, 5, 4, 2};
    int i = 0;
    for (int antal : grupper) {
        auto *gruppe = new QGroupBox;
        auto *gl = new QVBoxLayout(gruppe);
        gl->setContentsMargins(6, 4, 6, 4);
        gl->setSpacing(2);
        for (int n = 0; n < antal; ++n, ++i) {
            const TApplets::Applet &a = TApplets::tabel[i];
            auto *k = new QPushButton(QString::fromUtf8(a.tekst));
            k->setObjectName(QString::fromUtf8(a.script));
            hint::saet(k, QString::fromUtf8(a.hint));
            connect(k, &QPushButton::clicked, this, [this, &a] {
                m_applets->koer(QString::fromUtf8(a.script), QString::fromUtf8(a.tekst));
            });
            gl->addWidget(k);
        }
        venstre->addWidget(gruppe);
    }
    venstre->addStretch();
    auto *luk = new QPushButton(QStringLiteral("Luk"));
    luk->setObjectName(QStringLiteral("lukKnap"));
    connect(luk, &QPushButton::clicked, this, [this] { lukVindue(this); });
    auto *bund = new QHBoxLayout;
    bund->addWidget(luk);
    bund->addStretch();
    venstre->addLayout(bund);

    auto *knapper = new QWidget;
    knapper->setLayout(venstre);
    auto *rulle = new QScrollArea;
    rulle->setWidget(knapper);
    rulle->setWidgetResizable(true);
    rulle->setFrameShape(QFrame::NoFrame);
    rulle->setMinimumWidth(knapper->sizeHint().width() + 20);
    rulle->setMaximumWidth(knapper->sizeHint().width() + 60);

    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(vinduesdele::overskrift(QStringLiteral("Information"), 1.2));
    hoejre->addWidget(new THjaelpevisning(infoDir + QStringLiteral("Applets2.html"), infoHelp), 1);

    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(rulle);
    l->addLayout(hoejre, 1);
}
