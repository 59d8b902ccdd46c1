#include "shell/tprogrammenu.h"

#include "engines/tmenuexefiler.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWidgetAction>

namespace {

// The grid of items: moves the focus with the arrow keys as a menu would.
class Programgitter : public QWidget
{
public:
    explicit Programgitter(QWidget *parent = nullptr)
        : QWidget(parent)
    {
    }

    QList<QList<QPushButton *>> kolonner;

    void tilfoej(QPushButton *knap)
    {
        knap->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *obj, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto *knap = qobject_cast<QPushButton *>(obj);
        const int key = static_cast<QKeyEvent *>(e)->key();
        int k = -1, r = -1;
        for (int i = 0; i < kolonner.size(); ++i)
            if ((r = int(kolonner[i].indexOf(knap))) >= 0) {
                k = i;
                break;
            }
        if (k < 0)
            return false;
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            knap->click();
            return true;
        case Qt::Key_Down:
            return fokus(r + 1 < kolonner[k].size() ? k : (k + 1) % kolonner.size(),
                         r + 1 < kolonner[k].size() ? r + 1 : 0);
        case Qt::Key_Up:
            if (r > 0)
                return fokus(k, r - 1);
            k = (k + int(kolonner.size()) - 1) % int(kolonner.size());
            return fokus(k, int(kolonner[k].size()) - 1);
        case Qt::Key_Right:
            return k + 1 < kolonner.size() && fokus(k + 1, qMin(r, int(kolonner[k + 1].size()) - 1));
        case Qt::Key_Left:
            // In the first column Left closes the submenu, as in any menu.
            return k > 0 && fokus(k - 1, r);
        default:
            return false;
        }
    }

private:
    bool fokus(int k, int r)
    {
        kolonner[k][r]->setFocus(Qt::TabFocusReason);
        return true;
    }
};

const char *punktstil =
    "QPushButton#programpunkt { text-align: left; padding: 3px 18px 3px 6px; border: none; background: transparent; }"
    "QPushButton#programpunkt:hover, QPushButton#programpunkt:focus { background: palette(highlight); color: palette(highlighted-text); }";

} // namespace

TProgrammenu::TProgrammenu(QMenu *menu, TMenuExeFiler &menuExe, int breakNr)
    : QObject(menu)
    , m_menu(menu)
    , m_menuExe(menuExe)
    , m_breakNr(breakNr)
{
    // The items are made when the menu opens: a long list costs nothing
    // at start-up, and a change only empties the menu.
    connect(&m_menuExe, &TMenuExeFiler::listeAendret, this, &TProgrammenu::listeAendret);
    if (m_menu)
        connect(m_menu, &QMenu::aboutToShow, this, [this] {
            if (m_forandret)
                MakeMenu();
        });
    listeAendret();
}

void TProgrammenu::listeAendret()
{
    if (m_menu)
        m_menu->clear();
    m_forandret = true;
}

int TProgrammenu::kolonne(int k, int breakNr)
{
    return breakNr > 0 ? k / breakNr : 0;
}

void TProgrammenu::MakeMenu()
{
    m_forandret = false;
    if (!m_menu)
        return;
    m_menu->clear();
    auto *gitter = new Programgitter;
    // One style sheet for all items: one per item would be parsed as often.
    gitter->setStyleSheet(punktstil);
    auto *layout = new QGridLayout(gitter);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(2);
    layout->setVerticalSpacing(0);
    int vist = 0;
    for (int i = 0; i < m_menuExe.antal(); ++i) {
        const ProgramRec &r = m_menuExe.Prog()[i];
        // A program whose file is gone gets no item.
        if (!QFileInfo::exists(r.sti))
            continue;
        const int k = kolonne(vist, m_breakNr);
        const int raekke = m_breakNr > 0 ? vist % m_breakNr : vist;
        if (k >= gitter->kolonner.size()) {
            if (k > 0) {
                auto *bjaelke = new QFrame;
                bjaelke->setFrameShape(QFrame::VLine);
                bjaelke->setFrameShadow(QFrame::Sunken);
                layout->addWidget(bjaelke, 0, 2 * k - 1, -1, 1);
            }
            gitter->kolonner.append(QList<QPushButton *>());
        }
        auto *knap = new QPushButton(m_menuExe.ikon(i), r.caption);
        knap->setObjectName("programpunkt");
        knap->setProperty("post", i);
        knap->setFlat(true);
        knap->setIconSize(QSize(16, 16));
        connect(knap, &QPushButton::clicked, this, [this, i] { klikket(i); });
        gitter->tilfoej(knap);
        gitter->kolonner[k].append(knap);
        layout->addWidget(knap, raekke, 2 * k);
        ++vist;
    }
    if (vist == 0) {
        delete gitter;
        return;
    }
    layout->setRowStretch(layout->rowCount(), 1);
    gitter->setFocusProxy(gitter->kolonner.first().first());
    auto *handling = new QWidgetAction(m_menu);
    handling->setDefaultWidget(gitter);
    m_menu->addAction(handling);
}

QList<QPushButton *> TProgrammenu::punkter()
{
    if (m_forandret)
        MakeMenu();
    return m_menu ? m_menu->findChildren<QPushButton *>("programpunkt") : QList<QPushButton *>();
}

void TProgrammenu::klikket(int post)
{
    // The whole menu chain closes first, as after any menu command.
    for (int i = 0; i < 10 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
    if (m_menu)
        m_menu->hide();
    // The list may rebuild this menu; the button that was clicked must not
    // be deleted under its own signal.
    QTimer::singleShot(0, &m_menuExe, [liste = &m_menuExe, post] { liste->klik(post); });
}
