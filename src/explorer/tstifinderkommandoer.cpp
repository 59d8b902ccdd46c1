#include "explorer/tstifinderkommandoer.h"

#include "app/ikoner.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace {

QIcon rundtBillede(const QColor &farve, bool ring)
{
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter maler(&p);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(farve.darker(140), 1.5));
    maler.setBrush(ring ? QBrush(Qt::NoBrush) : QBrush(farve));
    maler.drawEllipse(QRectF(2, 2, 12, 12));
    return QIcon(p);
}

} // namespace

using namespace stifinderkommandoer;

namespace {

// Stands for a separator in a menu's list of commands.
constexpr auto Skillelinje = Kommando(stifinderregler::AntalKommandoer);

} // namespace

TStifinderKommandoer::TStifinderKommandoer(QWidget *vindue, Twinform *maal)
    : QObject(vindue)
    , m_maal(maal)
{
    using enum Kommando;
    opretTabel(vindue);
    m_elementMenu = lavMenu(vindue, {Cut, Copy, Paste, Skillelinje, DeleteToPapirkurv, DeletePermanent, Skillelinje, Rename2,
                                     Rename, NyMappe, Skillelinje, Info});
    m_elementMenu->setObjectName(QStringLiteral("elementMenu"));
    m_drevMenu = lavMenu(vindue, {Paste, NyMappe, Skillelinje, Info});
    m_drevMenu->setObjectName(QStringLiteral("drevMenu"));
    m_privatMenu = lavMenu(vindue, {Copy, Paste, NyMappe, Skillelinje, Info});
    m_privatMenu->setObjectName(QStringLiteral("privatMenu"));
    m_nyFilMenu = lavMenu(vindue, {Action1, Action2, Action3, Action4, Action5, Action6, Action7, Action8, Action10,
                                   Action11, Action12, Action13});
    m_koerMenu = lavGenvejsmenu(vindue, {{"Kør", aRun}, {"Program", aProgram}, {"Rediger", aRediger}});
    m_htmlMenu = lavGenvejsmenu(vindue, {{"Musikliste", aHTMLmusikliste}, {"Filmliste", aHTMLfilmliste},
                                         {"Billedliste", aHTMLbilledliste}});
    m_markerMenu = lavGenvejsmenu(vindue, {{"Marker alt", selectAlleElementer}, {"Fjern", deselectElementer},
                                           {"Inverter valg", inverterSelection}});
}

void TStifinderKommandoer::opretTabel(QWidget *vindue)
{
    for (const Raekke &r : tabel()) {
        auto *a = new QAction(QString::fromUtf8(r.tekst), vindue);
        a->setObjectName(QLatin1String(r.navn));
        const QString hint = QString::fromUtf8(r.hint);
        a->setToolTip(hint.isEmpty() ? a->text() : hint);
        a->setStatusTip(hint);
        a->setShortcuts(r.taster);
        // Several explorer windows live in one frame: a key belongs to the
        // window that has the focus.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (r.reserve != QStyle::SP_CustomBase)
            a->setIcon(ikoner::hent(r.tema, r.reserve));
        a->setEnabled(false);
        vindue->addAction(a);
        // The key of a disabled command does nothing; a trigger can only
        // arrive while the rule allowed it.
        const Kommando id = r.id;
        connect(a, &QAction::triggered, this, [this, id] { koer(id); });
        m_kommandoer.at(int(id)) = a;
    }
    kommando(Kommando::ActionUpd)->setIcon(opdateringsBillede(false));
    kommando(Kommando::Fokus)->setIcon(fokusBillede(true));
    kommando(Kommando::Fokus2)->setIcon(fokusBillede(false));
    kommando(Kommando::aMedtagPrivat)->setCheckable(true);
}

QMenu *TStifinderKommandoer::lavMenu(QWidget *vindue, const QList<Kommando> &kommandoer)
{
    auto *menu = new QMenu(vindue);
    // Two commands share "Slet" and two "Omdøb": their hints tell them apart.
    menu->setToolTipsVisible(true);
    for (const Kommando id : kommandoer) {
        if (id == Skillelinje)
            menu->addSeparator();
        else
            menu->addAction(kommando(id));
    }
    return menu;
}

QMenu *TStifinderKommandoer::lavGenvejsmenu(QWidget *vindue, const QList<QPair<QString, Kommando>> &punkter)
{
    auto *menu = new QMenu(vindue);
    for (const auto &[tekst, id] : punkter) {
        QAction *punkt = menu->addAction(tekst);
        punkt->setObjectName(QLatin1String(raekke(id).navn) + QStringLiteral("Punkt"));
        punkt->setData(int(id));
        connect(punkt, &QAction::triggered, this, [this, id] { koer(id); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction *punkt : menu->actions())
            punkt->setEnabled(tilgaengelig(Kommando(punkt->data().toInt())));
    });
    return menu;
}

void TStifinderKommandoer::erstat(Kommando id, std::function<void()> arbejde)
{
    m_erstatninger.at(int(id)) = std::move(arbejde);
}

bool TStifinderKommandoer::tilgaengelig(Kommando id) const
{
    if (m_erstatninger.at(int(id)))
        return true;
    const Raekke &r = raekke(id);
    if (!m_maal || !r.handling || r.kraever == Forudsaetning::Mangler)
        return false;
    return r.kraever == Forudsaetning::Ingen || (harForudsaetning && harForudsaetning(r.kraever));
}

void TStifinderKommandoer::koer(Kommando id)
{
    if (!tilgaengelig(id))
        return;
    // A copy: the work may be replaced while it runs.
    const std::function<void()> erstatning = m_erstatninger.at(int(id));
    ++m_koerer;
    if (erstatning)
        erstatning();
    else
        raekke(id).handling(*m_maal);
    if (--m_koerer == 0)
        emit ledig();
}

void TStifinderKommandoer::opdater(const stifinderregler::Tilstand &t)
{
    for (const Raekke &r : tabel()) {
        QAction *a = kommando(r.id);
        if (!tilgaengelig(r.id))
            a->setEnabled(false);
        else if (const stifinderregler::Svar svar = r.regel(t))
            a->setEnabled(*svar);
    }
}

QMenu *TStifinderKommandoer::menuFor(stifinderregler::Kontekstmenu art) const
{
    switch (art) {
    case stifinderregler::Kontekstmenu::Element: return m_elementMenu;
    case stifinderregler::Kontekstmenu::Privat: return m_privatMenu;
    case stifinderregler::Kontekstmenu::Drev: return m_drevMenu;
    default: return nullptr;
    }
}

// Each picture is made once for the whole run: every new icon would leave
// its own copies in the application's picture cache at every change of focus.
// (Never destroyed: they may outlive the application object.)
QIcon TStifinderKommandoer::opdateringsBillede(bool bloker)
{
    // Red: other functions are blocked; blue: they are not.
    static const QIcon *roed = new QIcon(rundtBillede(QColor(0xd0, 0x20, 0x20), false));
    static const QIcon *blaa = new QIcon(rundtBillede(QColor(0x20, 0x60, 0xd0), false));
    return bloker ? *roed : *blaa;
}

QIcon TStifinderKommandoer::fokusBillede(bool aktiv)
{
    static const QIcon *groen = new QIcon(rundtBillede(QColor(0x20, 0xa0, 0x40), false));
    static const QIcon *graa = new QIcon(rundtBillede(QColor(0xa0, 0xa0, 0xa0), true));
    return aktiv ? *groen : *graa;
}
