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

struct Raekke
{
    const char *navn;
    const char *tekst;
    const char *hint;
    QList<QKeySequence> taster;
    const char *tema;
    QStyle::StandardPixmap reserve;
};

using K = QKeySequence;
constexpr auto Ingen = QStyle::SP_CustomBase;

// The commands in toolbar order: function bar, template menu, folder-tree
// group, file-tree group, right group, path row.
const QList<Raekke> &tabel()
{
    static const QList<Raekke> t = {
        {"ActionUpd", "Opdater", "Skift opdateringsmetode for funktionerne: Ctrl+Alt+O",
         {K(Qt::CTRL | Qt::ALT | Qt::Key_O)}, "", Ingen},
        {"AnnullerKopiering", "", "Annuller kopiering: Ctrl+Z", {K(Qt::CTRL | Qt::Key_Z)}, "edit-undo",
         QStyle::SP_DialogCancelButton},
        {"Cut", "Klip", "Klipper til sletning efter Sæt ind: Ctrl+X", {K(Qt::CTRL | Qt::Key_X)}, "edit-cut",
         QStyle::SP_DialogDiscardButton},
        {"Copy", "Kopier", "Indsæt i kopieringslisten: Ctrl+C eller Insert",
         {K(Qt::CTRL | Qt::Key_C), K(Qt::Key_Insert)}, "edit-copy", QStyle::SP_FileLinkIcon},
        {"Paste", "Sæt ind", "Sæt ind fra kopieringslisten: Ctrl+V", {K(Qt::CTRL | Qt::Key_V)}, "edit-paste",
         QStyle::SP_DialogSaveButton},
        {"DeleteToPapirkurv", "Slet", "Slet til papirkurv: Ctrl+D", {K(Qt::CTRL | Qt::Key_D)}, "user-trash",
         QStyle::SP_TrashIcon},
        {"DeletePermanent", "Slet", "Slet permanent: Shift+Del", {K(Qt::SHIFT | Qt::Key_Delete)},
         "edit-delete", QStyle::SP_DialogCloseButton},
        {"Rename2", "Omdøb", "Omdøb valgte: F2", {K(Qt::Key_F2)}, "edit-rename|insert-text",
         QStyle::SP_FileDialogDetailedView},
        {"Rename", "Omdøb", "Indfør det nye navn og omdøb: Ctrl+O", {K(Qt::CTRL | Qt::Key_O)},
         "document-edit|document-save-as",
         QStyle::SP_FileDialogContentsView},
        {"RenameExt", "Omdøb", "Indfør det nye efternavn og ombøb samtlige filer også i undermapper: Ctrl+U",
         {K(Qt::CTRL | Qt::Key_U)}, "edit-find-replace", QStyle::SP_FileDialogListView},
        {"NyMappe", "Mappe", "Opret en ny mappe: Ctrl+M", {K(Qt::CTRL | Qt::Key_M)}, "folder-new",
         QStyle::SP_FileDialogNewFolder},
        {"aOpretTekstfil", "Ny fil", "Opret en ny tekstfil", {}, "document-new", QStyle::SP_FileIcon},
        {"Info", "Egenskaber", "Se valgte elements egenskaber: Ctrl+E", {K(Qt::CTRL | Qt::Key_E)},
         "document-properties", QStyle::SP_FileDialogInfoView},
        {"insertFilSFWS", "Tilføj", "Indfør fil i skrivebordets Seneste filer", {}, "document-open-recent",
         QStyle::SP_ArrowUp},
        {"Rens", "Rens", "Rens skrivebordets Seneste filer", {}, "edit-clear-history|document-revert",
         QStyle::SP_LineEditClearButton},
        {"aEmptyRB", "Tøm", "Tøm papirkurv på aktuelle drev", {}, "trash-empty|user-trash-full", QStyle::SP_TrashIcon},

        {"Action1", "Tekstfil.txt", "Almindelig tekstfil", {}, "", Ingen},
        {"Action2", "RichText.rtf", "Rich Text tekstfil", {}, "", Ingen},
        {"Action3", "Hjemmeside.html", "Hjemmeside fil", {}, "", Ingen},
        {"Action4", "ASP.asp", "Active Server Page", {}, "", Ingen},
        {"Action5", "Includefile.inc", "Include files kan anvendes i forbindelse med asp-sider", {}, "", Ingen},
        {"Action6", "ASA.asa", "Active Server Application er af filtypen asp", {}, "", Ingen},
        {"Action7", "StyleSheet.css", "CSS bruges til at definere layoutet på dine HTML-sider", {}, "", Ingen},
        {"Action8", "JavaScript.js", "JavaScript er et programmeringssprog, der kan anvendes til hjemmesider", {},
         "", Ingen},
        {"Action10", "VBscript.vbs",
         "VBScript er et \"script\"-sprog, der fortolkes via Microsofts Windows Script Host", {}, "", Ingen},
        {"Action11", "WindowsScriptFiles.wsf",
         "En Windows Script File er en filtype, der køres med Microsoft Windows Script Host", {}, "", Ingen},
        {"Action12", "Batch.bat",
         "En batch fil er en script fil, der kan udføre forskellige kommandoer via en dos-konsol", {}, "", Ingen},
        {"Action13", "PowerShell.ps1", "Windows PowerShell er en kommandolinjegrænseflade", {}, "", Ingen},

        {"Fokus", "", "Aktiv mappestruktur: Alt+1", {K(Qt::ALT | Qt::Key_1)}, "", Ingen},
        {"KunDrev", "", "Opdater alle drev eller vælg drev til mappestrukturen", {}, "drive-harddisk",
         QStyle::SP_DriveHDIcon},
        {"OpdaterKunEn", "", "Opdater aktuelle mappe på aktuelle drev uden at vise andre drev: F4",
         {K(Qt::Key_F4)}, "go-jump", QStyle::SP_BrowserReload},
        {"OpdaterAlle", "", "Opdater aktuelle mappe på aktuelle drev med samtlige drev i strukturen: F5",
         {K(Qt::Key_F5)}, "marvikel-opdater|view-refresh", QStyle::SP_BrowserReload},
        {"aMedtagPrivat", "", "Medtag eller fjern privatmapper med opdatering af alle drev", {}, "user-home",
         QStyle::SP_DirHomeIcon},
        {"UdfoldStruktur", "", "Udfold strukturen", {}, "list-add", QStyle::SP_ToolBarVerticalExtensionButton},
        {"SammenfoldStruktur", "", "Sammenfold struktur", {}, "list-remove", QStyle::SP_TitleBarShadeButton},
        {"strukturKnap", "", "Åben boksen til oprettelse af strukturmapper: Ctrl+5", {}, "folder-templates",
         QStyle::SP_FileDialogNewFolder},
        {"reloadKnap", "", "Genskab sidste aktiverede hjemmelavede struktur: F3", {}, "edit-redo",
         QStyle::SP_BrowserReload},
        {"aReloadStruktur", "", "Genskab sidste aktiverede hjemmelavede struktur: F3", {K(Qt::Key_F3)}, "", Ingen},
        {"deselectAll", "", "Fjern alle markeringer: Alt+Mus", {}, "edit-select-none", QStyle::SP_DialogResetButton},

        {"Fokus2", "", "Aktiv filstruktur: Alt+2", {K(Qt::ALT | Qt::Key_2)}, "", Ingen},
        {"indstilMappestruktur", "", "Indstil mappestrukturen til denne mappe", {}, "go-up",
         QStyle::SP_FileDialogToParent},
        {"drevKnap", "", "Vælg drev til visning i filstrukturen", {}, "drive-removable-media",
         QStyle::SP_DriveFDIcon},
        {"opdater2", "", "Opdater mappe-fil-strukturen: F6", {K(Qt::Key_F6)}, "marvikel-opdater|view-refresh",
         QStyle::SP_BrowserReload},
        {"aSelectButton", "", "Vælg alle elementer i filstrukturen", {}, "edit-select-all",
         QStyle::SP_DialogApplyButton},
        {"selectAlleElementer", "", "Vælg alle elementer i aktive struktur 2: Ctrl+A", {K(Qt::CTRL | Qt::Key_A)},
         "edit-select-all", QStyle::SP_DialogApplyButton},
        {"deselectElementer", "", "Fravælg alle elementer i aktive struktur 2: Ctrl+F", {K(Qt::CTRL | Qt::Key_F)},
         "edit-select-none", QStyle::SP_DialogResetButton},
        {"inverterSelection", "", "Inverter valgte elementer i aktive struktur 2: Ctrl+I", {K(Qt::CTRL | Qt::Key_I)},
         "edit-select-invert", QStyle::SP_BrowserReload},
        {"aRun", "Kør", "Kør valgte fil, hvis muligt: Ctrl+K eller F9", {K(Qt::CTRL | Qt::Key_K), K(Qt::Key_F9)},
         "system-run", QStyle::SP_MediaPlay},
        {"aProgram", "Program", "Åben valgte program eventuelt med valgt/valgte fil/filer: Ctrl+P",
         {K(Qt::CTRL | Qt::Key_P)}, "application-x-executable", QStyle::SP_ComputerIcon},
        {"aRediger", "Rediger", "Rediger valgte fil om muligt: Ctrl+R", {K(Qt::CTRL | Qt::Key_R)},
         "accessories-text-editor", QStyle::SP_FileDialogDetailedView},
        {"aHTMLbutton", "", "Musik, film og billeder", {}, "text-html", QStyle::SP_MediaVolume},
        {"aHTMLmusikliste", "Musikliste", "Skriver en hjemmeside hvorfra den valgte musik kan afspilles", {}, "", Ingen},
        {"aHTMLfilmliste", "Filmliste", "Skriver en hjemmeside hvorfra de valgte film kan afspilles", {}, "", Ingen},
        {"aHTMLbilledliste", "Billedliste", "Skriver en hjemmeside hvorfra de valgte billeder kan vises", {}, "", Ingen},
        {"aShowPic", "Billeder", "Vis billeder af type jpg, ico eller bmp", {}, "image-x-generic",
         QStyle::SP_DesktopIcon},

        {"aInsertFavoritmappe", "", "Indsæt aktuelle mappe eller fil i relevante favoritliste: Ctrl+N",
         {K(Qt::CTRL | Qt::Key_N)}, "bookmark-new", QStyle::SP_DialogYesButton},
        {"gemStruktur", "", "Gemmer aktuelle mappestruktur: Ctrl+G", {K(Qt::CTRL | Qt::Key_G)}, "document-save",
         QStyle::SP_DialogSaveButton},
        {"hentStruktur", "", "Hen gemte mappestruktur: Ctrl+H", {K(Qt::CTRL | Qt::Key_H)}, "document-open",
         QStyle::SP_DialogOpenButton},
        {"bestemFremvisning", "", "Bestem fremvisnings metode", {}, "preferences-system",
         QStyle::SP_FileDialogListView},
        {"aTopPanel", "", "Vis eller skjul toppanelet: F7", {K(Qt::Key_F7)}, "view-split-top-bottom|view-restore",
         QStyle::SP_TitleBarUnshadeButton},
        {"opdaterFunktioner", "", "Opdater funktioner", {}, "marvikel-opdater|view-refresh", QStyle::SP_BrowserReload},

        {"Tilbage", "", "Gå til foregående eller sidste mappe", {}, "go-previous", QStyle::SP_ArrowBack},
        {"Frem", "", "Gå til næste eller første mappe", {}, "go-next", QStyle::SP_ArrowForward},
    };
    return t;
}

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

TStifinderKommandoer::TStifinderKommandoer(QWidget *vindue)
    : QObject(vindue)
{
    opretTabel(vindue);
    m_elementMenu = lavMenu(vindue, {"Cut", "Copy", "Paste", "", "DeleteToPapirkurv", "DeletePermanent", "",
                                     "Rename2", "Rename", "NyMappe", "", "Info"});
    m_elementMenu->setObjectName(QStringLiteral("elementMenu"));
    m_drevMenu = lavMenu(vindue, {"Paste", "NyMappe", "", "Info"});
    m_drevMenu->setObjectName(QStringLiteral("drevMenu"));
    m_privatMenu = lavMenu(vindue, {"Copy", "Paste", "NyMappe", "", "Info"});
    m_privatMenu->setObjectName(QStringLiteral("privatMenu"));
    m_nyFilMenu = lavMenu(vindue, {"Action1", "Action2", "Action3", "Action4", "Action5", "Action6", "Action7",
                                   "Action8", "Action10", "Action11", "Action12", "Action13"});
    m_koerMenu = lavGenvejsmenu(vindue, {{"Kør", "aRun"}, {"Program", "aProgram"}, {"Rediger", "aRediger"}});
    m_htmlMenu = lavGenvejsmenu(vindue, {{"Musikliste", "aHTMLmusikliste"}, {"Filmliste", "aHTMLfilmliste"},
                                         {"Billedliste", "aHTMLbilledliste"}});
    m_markerMenu = lavGenvejsmenu(vindue, {{"Marker alt", "selectAlleElementer"}, {"Fjern", "deselectElementer"},
                                           {"Inverter valg", "inverterSelection"}});
}

void TStifinderKommandoer::opretTabel(QWidget *vindue)
{
    for (const Raekke &r : tabel()) {
        auto *a = new QAction(QString::fromUtf8(r.tekst), vindue);
        const QString navn = QLatin1String(r.navn);
        a->setObjectName(navn);
        const QString hint = QString::fromUtf8(r.hint);
        a->setToolTip(hint.isEmpty() ? a->text() : hint);
        a->setStatusTip(hint);
        a->setShortcuts(r.taster);
        // Several explorer windows live in one frame: a key belongs to the
        // window that has the focus.
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        if (r.reserve != Ingen)
            a->setIcon(ikoner::hent(r.tema, r.reserve));
        a->setEnabled(false);
        vindue->addAction(a);
        // The key of a disabled command does nothing; a trigger can only
        // arrive while the rule allowed it.
        connect(a, &QAction::triggered, this, [this, navn] { koer(navn); });
        m_kommandoer.insert(navn, a);
        m_navne.append(navn);
    }
    kommando("ActionUpd")->setIcon(opdateringsBillede(false));
    kommando("Fokus")->setIcon(fokusBillede(true));
    kommando("Fokus2")->setIcon(fokusBillede(false));
}

QMenu *TStifinderKommandoer::lavMenu(QWidget *vindue, const QStringList &navne)
{
    auto *menu = new QMenu(vindue);
    // Two commands share "Slet" and two "Omdøb": their hints tell them apart.
    menu->setToolTipsVisible(true);
    for (const QString &n : navne) {
        if (n.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(kommando(n));
    }
    return menu;
}

QMenu *TStifinderKommandoer::lavGenvejsmenu(QWidget *vindue, const QList<QPair<QString, QString>> &punkter)
{
    auto *menu = new QMenu(vindue);
    for (const auto &[tekst, navn] : punkter) {
        QAction *punkt = menu->addAction(tekst);
        punkt->setObjectName(navn + QStringLiteral("Punkt"));
        const QString kommandonavn = navn;
        connect(punkt, &QAction::triggered, this, [this, kommandonavn] { koer(kommandonavn); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction *punkt : menu->actions())
            punkt->setEnabled(harArbejde(punkt->objectName().chopped(5)));
    });
    return menu;
}

QAction *TStifinderKommandoer::kommando(const QString &navn) const
{
    QAction *a = m_kommandoer.value(navn);
    Q_ASSERT_X(a, "TStifinderKommandoer::kommando", qPrintable(navn));
    return a;
}

void TStifinderKommandoer::setArbejde(const QString &navn, std::function<void()> arbejde)
{
    if (arbejde)
        m_arbejde.insert(navn, std::move(arbejde));
    else
        m_arbejde.remove(navn);
}

void TStifinderKommandoer::koer(const QString &navn)
{
    const auto it = m_arbejde.constFind(navn);
    if (it == m_arbejde.constEnd())
        return;
    // A copy: the work may be bound anew while it runs.
    const std::function<void()> arbejde = *it;
    ++m_koerer;
    arbejde();
    if (--m_koerer == 0)
        emit ledig();
}

void TStifinderKommandoer::opdater(const stifinderregler::Tilstand &t)
{
    for (auto it = m_kommandoer.constBegin(); it != m_kommandoer.constEnd(); ++it) {
        if (!harArbejde(it.key())) {
            it.value()->setEnabled(false);
            continue;
        }
        if (const std::optional<bool> svar = stifinderregler::regel(it.key(), t))
            it.value()->setEnabled(*svar);
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
