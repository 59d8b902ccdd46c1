#include "shell/tvinduesstyring.h"

#include "core/dansk.h"
#include "core/dialogs.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>

namespace {

const QString stifinderPrefix = QStringLiteral("Stifinder ");

bool erStifinder(const QWidget *w)
{
    return vinduesart(w) == Vinduesart::Stifinder;
}

// A child's frame that tells when it has really closed (its window may
// refuse), at once rather than when it is deleted later.
class TRamme : public QMdiSubWindow
{
public:
    std::function<void()> vedLukning;
    // Set for windows that hide instead of closing while their widget lives.
    std::function<void()> vedSkjul;

    ~TRamme() override
    {
        // The window is deleted with its frame: the announcement of its end
        // must not reach back into this half-destroyed frame.
        if (widget())
            QObject::disconnect(widget(), nullptr, this, nullptr);
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (vedSkjul && widget()) {
            event->ignore();
            vedSkjul();
            return;
        }
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted() && vedLukning) {
            auto f = std::move(vedLukning);
            vedLukning = nullptr;
            f();
        }
    }
};

} // namespace

int laveesteFrieNummer(const QList<int> &brugte)
{
    int n = 1;
    while (brugte.contains(n))
        ++n;
    return n;
}

int fanePosition(Vinduesart art, int antalKlipbord, int antalFaner)
{
    if (art == Vinduesart::Klipbord)
        return qBound(0, antalKlipbord - 1, antalFaner);
    return antalFaner;
}

TVinduesstyring::TVinduesstyring(QMdiArea *omraade, QTabBar *tc, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_omraade(omraade)
    , m_tc(tc)
    , m_dialogs(dialogs)
{
    m_omraade->setViewMode(QMdiArea::SubWindowView);
    connect(m_omraade, &QMdiArea::subWindowActivated, this, &TVinduesstyring::aktiveret);
    connect(m_tc, &QTabBar::tabBarClicked, this, &TVinduesstyring::fanebladKlikket);
}

QList<QWidget *> TVinduesstyring::boern() const
{
    QList<QWidget *> liste;
    for (QMdiSubWindow *ramme : m_omraade->subWindowList(QMdiArea::CreationOrder))
        if (ramme->widget())
            liste.append(ramme->widget());
    return liste;
}

QWidget *TVinduesstyring::aktivtBarn() const
{
    QMdiSubWindow *ramme = m_omraade->activeSubWindow();
    if (!ramme)
        ramme = m_omraade->currentSubWindow();
    return ramme ? ramme->widget() : nullptr;
}

bool TVinduesstyring::harBarn(Vinduesart art) const
{
    const auto liste = boern();
    return std::any_of(liste.begin(), liste.end(), [art](QWidget *w) { return vinduesart(w) == art; });
}

QList<QWidget *> TVinduesstyring::stifindere() const
{
    QList<QWidget *> liste = boern();
    liste.removeIf([](QWidget *w) { return !erStifinder(w); });
    return liste;
}

int TVinduesstyring::nummer(const QWidget *stifinder) const
{
    const QString caption = stifinder->windowTitle();
    return caption.startsWith(stifinderPrefix) ? caption.mid(stifinderPrefix.size()).toInt() : 0;
}

QMdiSubWindow *TVinduesstyring::rammeFor(const QWidget *vindue) const
{
    for (QMdiSubWindow *ramme : m_omraade->subWindowList())
        if (ramme->widget() == vindue)
            return ramme;
    return nullptr;
}

void TVinduesstyring::visIRammen(QWidget *vindue)
{
    auto *ramme = new TRamme;
    // Children fill the client area one at a time and are switched by the
    // tab bar, so their frames carry no title bar of their own.
    ramme->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    ramme->setWidget(vindue);
    ramme->setAttribute(Qt::WA_DeleteOnClose);
    ramme->setWindowTitle(vindue->windowTitle());
    m_omraade->addSubWindow(ramme);
    const Vinduesart art = vinduesart(vindue);
    const QString caption = vindue->windowTitle();
    // However the window closes (its own button, the frame's commands), the
    // tab and, for an explorer, its number go with it.
    QPointer<TVinduesstyring> selv(this);
    ramme->vedLukning = [selv, art, caption] {
        if (selv)
            selv->lukket(art, caption);
    };
    if (art == Vinduesart::Klipbord)
        ramme->vedSkjul = [selv, ramme] {
            if (selv)
                selv->skjult(ramme);
        };
    connect(vindue, &QObject::destroyed, ramme, [ramme] {
        ramme->vedSkjul = nullptr;
        ramme->close();
    });
    ramme->showMaximized();
    m_omraade->setActiveSubWindow(ramme);
    emit boernSkiftet();
}

void TVinduesstyring::visBarn(QWidget *vindue)
{
    if (QMdiSubWindow *ramme = rammeFor(vindue)) {
        ramme->showMaximized();
        m_omraade->setActiveSubWindow(ramme);
    } else if (vindue) {
        vindue->show();
        vindue->raise();
        vindue->activateWindow();
    }
}

void TVinduesstyring::aktiveret(QMdiSubWindow *ramme)
{
    if (!ramme || !ramme->widget())
        return;
    QWidget *vindue = ramme->widget();
    if (!ramme->property("fanebladIndsat").toBool()) {
        ramme->setProperty("fanebladIndsat", true);
        InsertTab(vindue);
        SetTCindex();
    }
    fokusTab(vindue->windowTitle());
    if (!ramme->isMaximized())
        ramme->showMaximized();
    emit boernSkiftet();
}

bool TVinduesstyring::harFaneblad(const QWidget *vindue) const
{
    const QMdiSubWindow *ramme = rammeFor(vindue);
    return ramme && ramme->property("fanebladIndsat").toBool();
}

void TVinduesstyring::skjult(QMdiSubWindow *ramme)
{
    const QString caption = ramme->widget()->windowTitle();
    ramme->hide();
    ramme->setProperty("fanebladIndsat", false);
    CloseTab(caption);
    // The window used before this one takes its place.
    const QList<QMdiSubWindow *> historik = m_omraade->subWindowList(QMdiArea::ActivationHistoryOrder);
    QMdiSubWindow *naeste = nullptr;
    for (auto it = historik.rbegin(); it != historik.rend() && !naeste; ++it)
        if (*it != ramme && (*it)->isVisible())
            naeste = *it;
    m_omraade->setActiveSubWindow(naeste);
    emit boernSkiftet();
}

void TVinduesstyring::InsertTab(QWidget *vindue)
{
    // Copy-lists tabs stand in front in opening order: the place counts the
    // copy-lists windows opened up to this one that have a tab.
    const Vinduesart art = vinduesart(vindue);
    int antalKlipbord = 0;
    for (QWidget *w : boern()) {
        if (vinduesart(w) == Vinduesart::Klipbord && (w == vindue || harFaneblad(w)))
            ++antalKlipbord;
        if (w == vindue)
            break;
    }
    const QSignalBlocker blok(m_tc);
    m_tc->insertTab(fanePosition(art, antalKlipbord, m_tc->count()), vindue->windowTitle());
}

void TVinduesstyring::SetTCindex()
{
    const QWidget *aktiv = aktivtBarn();
    if (!aktiv)
        return;
    const int n = qMin(int(boern().size()), m_tc->count());
    for (int i = 0; i < n; ++i) {
        if (dansk::ensAZ(m_tc->tabText(i), aktiv->windowTitle())) {
            const QSignalBlocker blok(m_tc);
            m_tc->setCurrentIndex(i);
            return;
        }
    }
}

void TVinduesstyring::fokusTab(const QString &aName)
{
    const QSignalBlocker blok(m_tc);
    for (int i = 0; i < m_tc->count(); ++i) {
        if (dansk::ensAZ(m_tc->tabText(i), aName)) {
            m_tc->setCurrentIndex(i);
            return;
        }
    }
}

void TVinduesstyring::CloseTab(const QString &aCapNavn)
{
    const QSignalBlocker blok(m_tc);
    for (int i = 0; i < m_tc->count(); ++i) {
        if (dansk::ensAZ(m_tc->tabText(i), aCapNavn)) {
            m_tc->removeTab(i);
            break;
        }
    }
    if (m_tc->count() == 0)
        NewCount = 0;
}

void TVinduesstyring::fanebladKlikket(int index)
{
    if (index < 0)
        return;
    const QString tekst = m_tc->tabText(index);
    for (QWidget *w : boern()) {
        if (dansk::ensAZ(w->windowTitle(), tekst)) {
            visBarn(w);
            return;
        }
    }
}

void TVinduesstyring::lukket(Vinduesart art, const QString &caption)
{
    if (art == Vinduesart::Stifinder && NewCount > 0)
        --NewCount;
    CloseTab(caption);
    emit boernSkiftet();
}

QWidget *TVinduesstyring::makeNewStifinder()
{
    if (!opretStifinder)
        return nullptr;
    const QList<QWidget *> aabne = stifindere();
    if (aabne.isEmpty())
        NewCount = 0;
    QList<int> brugte;
    for (QWidget *w : aabne)
        brugte.append(nummer(w));
    ++NewCount;
    QWidget *ny = opretStifinder(laveesteFrieNummer(brugte));
    saetVinduesart(ny, Vinduesart::Stifinder);
    visIRammen(ny);
    QCoreApplication::processEvents();
    return ny;
}

void TVinduesstyring::openStifinder()
{
    const QList<QWidget *> aabne = stifindere();
    if (aabne.isEmpty())
        makeNewStifinder();
    else
        visBarn(aabne.first());
}

void TVinduesstyring::visKlipbordet()
{
    for (QWidget *w : boern()) {
        if (vinduesart(w) == Vinduesart::Klipbord) {
            visBarn(w);
            return;
        }
    }
}

QWidget *TVinduesstyring::findStifinder(const QString &aCaption) const
{
    for (QWidget *w : boern())
        if (erStifinder(w) && dansk::ensAZ(w->windowTitle(), aCaption))
            return w;
    return nullptr;
}

QWidget *TVinduesstyring::getWinform(const QString &aCaption)
{
    if (QWidget *w = findStifinder(aCaption))
        return w;
    m_dialogs.inform("Der blev ikke fundet en Filfinder.\rDer skal være en Filfinder for at udføre funktionen.");
    return nullptr;
}

void TVinduesstyring::CloseElement()
{
    const QList<QWidget *> aabne = stifindere();
    if (aabne.isEmpty())
        return;
    QWidget *luk = aabne.last();
    if (!(NewCount <= 1 && sammeKlipbord)) {
        // The explorer with the highest number: the one a plain count would
        // name, and the last opened when windows close in order.
        for (QWidget *w : aabne)
            if (nummer(w) > nummer(luk))
                luk = w;
    }
    visBarn(luk);
    if (QMdiSubWindow *ramme = rammeFor(luk))
        ramme->close();
    QCoreApplication::processEvents();
}

void TVinduesstyring::CloseAlleElementer()
{
    QList<QWidget *> liste = boern();
    for (auto it = liste.rbegin(); it != liste.rend(); ++it) {
        const Vinduesart art = vinduesart(*it);
        if (art != Vinduesart::Stifinder && art != Vinduesart::Klipbord)
            if (QMdiSubWindow *ramme = rammeFor(*it))
                ramme->close();
    }
}

QWidget *TVinduesstyring::vaerktoej(Vinduesart art) const
{
    return m_vaerktoejer.value(int(art)).data();
}

QWidget *TVinduesstyring::aabnVaerktoej(Vinduesart art, bool inde,
                                        const std::function<QWidget *(bool inde)> &opret)
{
    if (QWidget *w = vaerktoej(art)) {
        visBarn(w);
        return w;
    }
    for (QWidget *w : boern()) {
        if (vinduesart(w) == art) {
            visBarn(w);
            return w;
        }
    }
    QWidget *ny = opret(inde);
    if (!ny)
        return nullptr;
    saetVinduesart(ny, art);
    m_vaerktoejer.insert(int(art), ny);
    connect(ny, &QObject::destroyed, this, [this, art] {
        m_vaerktoejer.remove(int(art));
        emit vaerktoejSkiftet(art, false);
    });
    emit vaerktoejSkiftet(art, true);
    if (inde) {
        visIRammen(ny);
    } else {
        // A free window keeps the border it chose for itself. Closing it
        // ends it, as closing the frame ends a tool window inside it, so the
        // user may choose anew where it opens next time.
        if (ny->parentWidget())
            ny->setParent(nullptr, ny->windowFlags() | Qt::Window);
        ny->setAttribute(Qt::WA_DeleteOnClose);
        visBarn(ny);
    }
    QCoreApplication::processEvents();
    return ny;
}
