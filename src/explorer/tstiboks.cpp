#include "explorer/tstiboks.h"

#include "core/stier.h"
#include "engines/stifinderregler.h"

#include <QMouseEvent>

TStiboks::TStiboks(QWidget *parent)
    : QTabBar(parent)
{
    setObjectName(QStringLiteral("stiboks"));
    setExpanding(false);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    connect(this, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i >= 0)
            emit stiValgt(getStien(i));
    });
}

void TStiboks::udskrivSti(const QString &sti, const QString &drev)
{
    const QString ren = stier::udenSkraastreg(sti);
    visDele(drev.isEmpty() ? QStringList{ren} : stier::dele(ren, drev));
}

void TStiboks::visDele(const QStringList &dele)
{
    const QSignalBlocker blok(this);
    // Arrowing through a folder changes only the last part: the tabs the
    // old and the new path share stay, since every tab added or removed
    // lays the whole bar out again.
    qsizetype faelles = 0;
    while (faelles < dele.size() && faelles < m_stiArray.size() && faelles < count()
           && dele[faelles] == m_stiArray[faelles])
        ++faelles;
    while (count() > qMax(faelles, dele.size()))
        removeTab(count() - 1);
    m_stiArray = dele;
    for (qsizetype i = faelles; i < m_stiArray.size(); ++i) {
        // "&" would mark a shortcut letter in a tab text.
        const QString tekst = QString(m_stiArray[i]).replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (i < count())
            setTabText(int(i), tekst);
        else
            addTab(tekst);
        setTabToolTip(int(i), stifinderregler::getStien(m_stiArray, int(i)));
    }
    setCurrentIndex(count() - 1);
}

QString TStiboks::getStien(int index) const
{
    return stifinderregler::getStien(m_stiArray, index);
}

void TStiboks::setUdseende(int bogfaner)
{
    switch (bogfaner) {
    case 0:
        setShape(QTabBar::RoundedNorth);
        setDocumentMode(true);
        setStyleSheet(QStringLiteral("QTabBar::tab { border: none; padding: 3px 8px; }"
                                     "QTabBar::tab:selected { font-weight: bold; }"));
        break;
    case 1:
        setDocumentMode(false);
        setStyleSheet(QStringLiteral("QTabBar::tab { border: 1px solid palette(mid); border-radius: 3px;"
                                     " padding: 3px 8px; margin: 1px; }"
                                     "QTabBar::tab:selected { background: palette(highlight);"
                                     " color: palette(highlighted-text); }"));
        break;
    default:
        setDocumentMode(false);
        setStyleSheet({});
        break;
    }
}

void TStiboks::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QTabBar::mousePressEvent(event);
        return;
    }
    // The press may write the path box anew (venstreTryk), so the tab hit
    // and its path are taken first; the tabs then stand as they stood, and
    // the chosen one is selected.
    const int fane = tabAt(event->position().toPoint());
    const QStringList dele = m_stiArray;
    emit venstreTryk();
    if (fane < 0) {
        QTabBar::mousePressEvent(event);
        return;
    }
    if (m_stiArray != dele)
        visDele(dele);
    {
        const QSignalBlocker blok(this);
        setCurrentIndex(fane);
    }
    event->accept();
    emit stiValgt(getStien(fane));
}
