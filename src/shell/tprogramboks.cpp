#include "shell/tprogramboks.h"

#include "engines/tmenuexefiler.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *knap(QAction *a)
{
    auto *k = new QToolButton;
    k->setDefaultAction(a);
    k->setObjectName(QStringLiteral("knap_") + a->objectName());
    k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return k;
}

} // namespace

TProgramboks::TProgramboks(TMenuExeFiler &menuExe, QWidget *parent)
    : QWidget(parent)
    , m_menuExe(menuExe)
    , m_progOpen2(new QAction(QIcon::fromTheme("system-run", style()->standardIcon(QStyle::SP_MediaPlay)),
                              QStringLiteral("Program"), this))
    , m_progInsert2(new QAction(QIcon::fromTheme("list-add", style()->standardIcon(QStyle::SP_FileDialogNewFolder)),
                                QStringLiteral("Indfør"), this))
    , m_label(new QLabel(QStringLiteral("Valgte program")))
    , m_box(new QListWidget)
    , m_visProgrammer(new QButtonGroup(this))
{
    setObjectName("TProgramboks");
    m_progOpen2->setObjectName("progOpen2");
    m_progOpen2->setToolTip(QStringLiteral("Åben valgte program eventuelt med valgt/valgte fil/filer"));
    m_progInsert2->setObjectName("ProgInsert2");
    m_progInsert2->setToolTip(QStringLiteral("Indfør eller rediger programmer"));
    connect(m_progOpen2, &QAction::triggered, &m_menuExe, &TMenuExeFiler::OpenTheEle);
    connect(m_progInsert2, &QAction::triggered, this, &TProgramboks::indfoer);

    m_label->setObjectName("programLabel");
    m_label->setToolTip(QStringLiteral("Aktive program"));
    m_label->setFrameShape(QFrame::StyledPanel);
    m_label->setTextInteractionFlags(Qt::NoTextInteraction);

    m_box->setObjectName("programBox");
    m_box->setToolTip(QStringLiteral("Klik på program for at gøre det til aktive program"));
    m_box->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_box->setIconSize(QSize(32, 32));
    m_box->setResizeMode(QListView::Adjust);
    m_box->setMovement(QListView::Static);
    m_box->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_box, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { m_menuExe.vaelgProgram(m_box->row(item)); });
    connect(m_box, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { m_menuExe.startProgram(m_box->row(item)); });

    auto *gruppe = new QGroupBox(QStringLiteral("Visningstyper"));
    gruppe->setObjectName("visProgrammer");
    auto *gl = new QVBoxLayout(gruppe);
    const QStringList titler{QStringLiteral("Opstil som liste"), QStringLiteral("Opstil flydende")};
    for (int i = 0; i < titler.size(); ++i) {
        auto *r = new QRadioButton(titler[i]);
        m_visProgrammer->addButton(r, i);
        gl->addWidget(r);
    }
    m_visProgrammer->button(0)->setChecked(true);
    connect(m_visProgrammer, &QButtonGroup::idClicked, this, [this](int id) {
        anvendVisning(id);
        emit visningSkiftet(id);
    });

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(knap(m_progOpen2));
    knapper->addWidget(knap(m_progInsert2));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(knapper);
    layout->addWidget(m_label);
    layout->addWidget(m_box, 1);
    layout->addWidget(gruppe);

    connect(&m_menuExe, &TMenuExeFiler::listeAendret, this, &TProgramboks::loadProgramBox);
    connect(&m_menuExe, &TMenuExeFiler::infoProg, this, &TProgramboks::setProgramLabel);
    connect(&m_menuExe, &TMenuExeFiler::exeProgramSkiftet, this, &TProgramboks::opdaterProgOpen);
    anvendVisning(0);
    loadProgramBox();
    opdaterProgOpen();
}

void TProgramboks::loadProgramBox()
{
    m_box->clear();
    for (int i = 0; i < m_menuExe.antal(); ++i) {
        auto *item = new QListWidgetItem(m_menuExe.ikon(i), m_menuExe.GetCaption(i));
        item->setToolTip(m_menuExe.GetFilnavn(i));
        m_box->addItem(item);
    }
}

int TProgramboks::visning() const
{
    return m_visProgrammer->checkedId();
}

void TProgramboks::setVisning(int index)
{
    if (index != 0 && index != 1)
        index = 0;
    m_visProgrammer->button(index)->setChecked(true);
    anvendVisning(index);
}

void TProgramboks::anvendVisning(int index)
{
    if (index == 1) {
        // Large icons with their captions below, flowing in rows.
        m_box->setViewMode(QListView::IconMode);
        m_box->setFlow(QListView::LeftToRight);
        m_box->setWrapping(true);
        m_box->setGridSize(QSize(84, 68));
        m_box->setWordWrap(true);
    } else {
        // Tiles: large icon with the caption beside it, one under the other.
        m_box->setViewMode(QListView::ListMode);
        m_box->setFlow(QListView::TopToBottom);
        m_box->setWrapping(false);
        m_box->setGridSize(QSize());
        m_box->setWordWrap(false);
        m_box->setSpacing(2);
    }
    m_box->setIconSize(QSize(32, 32));
    m_box->setMovement(QListView::Static);
}

void TProgramboks::setProgramLabel(const QString &tekst)
{
    m_label->setText(tekst);
}

void TProgramboks::opdaterProgOpen()
{
    m_progOpen2->setEnabled(!m_menuExe.exeProgram().isEmpty());
}
