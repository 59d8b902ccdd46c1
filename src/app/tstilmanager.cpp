#include "app/tstilmanager.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyle>
#include <QStyleFactory>

#include <array>

namespace {

struct Farver
{
    const char *navn;
    QRgb window, windowText, base, alternateBase, text, button, buttonText,
        highlight, highlightedText, link;
};

// Each design keeps its text readable: every text/background pair of these
// rows has a contrast ratio of at least 4.5 (checked by the tests).
constexpr std::array<Farver, 9> designs = {{
    // Dark violet with a light amethyst accent.
    {"Amethyst Kamri", 0x2e2538, 0xece6f2, 0x231c2b, 0x2b2334, 0xf0eaf6, 0x3d3149,
     0xece6f2, 0x7e4fb8, 0xffffff, 0xc9a6ff},
    // Light slate greys with a deep aqua accent.
    {"Aqua Light Slate", 0xd9e2e8, 0x1c2b36, 0xf4f8fa, 0xe7eef2, 0x1c2b36, 0xc6d3dc,
     0x1c2b36, 0x137a86, 0xffffff, 0x0e6470},
    // Icy blue-greys with a classic steel-blue accent.
    {"Iceberg Classico", 0xdde7ee, 0x0e2433, 0xf7fbfd, 0xeaf1f6, 0x0e2433, 0xc8d6e0,
     0x0e2433, 0x3a6e8f, 0xffffff, 0x245a7d},
    // Plain light grey and white.
    {"Light", 0xf5f5f5, 0x1e1e1e, 0xffffff, 0xf3f3f3, 0x1e1e1e, 0xe9e9e9,
     0x1e1e1e, 0x3a6fcf, 0xffffff, 0x2457b3},
    // Soft sky blue; the program's default look.
    {"Sky", 0xe6f0fa, 0x10263a, 0xffffff, 0xf0f6fc, 0x10263a, 0xcfe2f3,
     0x10263a, 0x2a72b5, 0xffffff, 0x1c5b99},
    // Dark smoky brown-grey with a warm quartz accent.
    {"Smokey Quartz Kamri", 0x3a3532, 0xeee8e2, 0x2c2826, 0x34302d, 0xf2ece6, 0x4a4440,
     0xeee8e2, 0xc09a6b, 0x1a1410, 0xe3c08f},
    // Bright white and light grey with a clear blue accent.
    {"Windows10 Clear Day", 0xf0f0f0, 0x000000, 0xffffff, 0xf5f5f5, 0x000000, 0xe1e1e1,
     0x000000, 0x0063b1, 0xffffff, 0x0056a0},
    // Near-white surfaces with a modern blue accent.
    {"Windows11 Modern Light", 0xf3f3f3, 0x1b1b1b, 0xfbfbfb, 0xf5f5f5, 0x1b1b1b, 0xfdfdfd,
     0x1b1b1b, 0x005fb8, 0xffffff, 0x004f99},
    // Dark blue-green with a zircon cyan accent.
    {"Zircon", 0x263539, 0xe6f0f2, 0x1c282b, 0x223034, 0xe6f0f2, 0x34474d,
     0xe6f0f2, 0x4fb3bf, 0x0b1a1d, 0x86d8e2},
}};

const Farver *findDesign(const QString &navn)
{
    for (const Farver &f : designs)
        if (navn == QLatin1String(f.navn))
            return &f;
    return nullptr;
}

QColor blandet(const QColor &a, const QColor &b, double andelA)
{
    return QColor::fromRgbF(a.redF() * andelA + b.redF() * (1 - andelA),
                            a.greenF() * andelA + b.greenF() * (1 - andelA),
                            a.blueF() * andelA + b.blueF() * (1 - andelA));
}

QPalette byg(const Farver &f)
{
    const QColor button(f.button), window(f.window);
    QPalette p(button, window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, QColor(f.windowText));
    p.setColor(QPalette::Base, QColor(f.base));
    p.setColor(QPalette::AlternateBase, QColor(f.alternateBase));
    p.setColor(QPalette::Text, QColor(f.text));
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, QColor(f.buttonText));
    p.setColor(QPalette::BrightText, QColor(Qt::red));
    p.setColor(QPalette::Highlight, QColor(f.highlight));
    p.setColor(QPalette::HighlightedText, QColor(f.highlightedText));
    p.setColor(QPalette::Link, QColor(f.link));
    p.setColor(QPalette::LinkVisited, blandet(QColor(f.link), QColor(f.text), 0.7));
    p.setColor(QPalette::ToolTipBase, QColor(f.base));
    p.setColor(QPalette::ToolTipText, QColor(f.text));
    p.setColor(QPalette::PlaceholderText, blandet(QColor(f.text), QColor(f.base), 0.55));

    // Disabled text stays legible but clearly weaker than enabled text.
    const QColor svag = blandet(QColor(f.windowText), window, 0.5);
    for (auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, rolle, svag);
    p.setColor(QPalette::Disabled, QPalette::Highlight, blandet(QColor(f.highlight), window, 0.5));
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    return p;
}

// The look the platform gave the application before any design was applied.
struct Platform
{
    QString stil;
    QPalette palet;
    bool husket = false;
};

// The name of a style, or of the style a proxy stands in front of.
QString grundnavn(const QStyle *stil)
{
    if (auto *proxy = qobject_cast<const QProxyStyle *>(stil))
        stil = proxy->baseStyle();
    return stil->name();
}

Platform &platform()
{
    static Platform p;
    if (!p.husket && qApp) {
        p.stil = grundnavn(QApplication::style());
        p.palet = QApplication::style()->standardPalette();
        p.husket = true;
    }
    return p;
}

QString &aktivNavn()
{
    static QString navn;
    return navn;
}

// The style with one icon per standard picture. A style makes a new icon
// each time it is asked for one, and every new icon puts new pictures in the
// application's picture cache, where they stay after their window is gone:
// opening and closing windows would fill it. One icon per picture keeps
// the cache at what the program shows.
class TIkonStil : public QProxyStyle
{
public:
    explicit TIkonStil(QStyle *grund)
        : QProxyStyle(grund)
    {
    }

    QIcon standardIcon(StandardPixmap billede, const QStyleOption *valg, const QWidget *widget) const override
    {
        // The pictures differ only by the writing direction (arrows point
        // the other way from right to left).
        const Qt::LayoutDirection retning = valg ? valg->direction : QGuiApplication::layoutDirection();
        const quint64 noegle = quint64(billede) << 1 | (retning == Qt::RightToLeft ? 1 : 0);
        auto it = m_ikoner.constFind(noegle);
        if (it == m_ikoner.constEnd())
            it = m_ikoner.insert(noegle, QProxyStyle::standardIcon(billede, valg, widget));
        return *it;
    }

private:
    mutable QHash<quint64, QIcon> m_ikoner;
};

// The toolkit style under every named design.
const QString DesignStil = QStringLiteral("Fusion");

void saetStil(const QString &stilnavn)
{
    if (dynamic_cast<TIkonStil *>(QApplication::style())
        && grundnavn(QApplication::style()).compare(stilnavn, Qt::CaseInsensitive) == 0)
        return;
    if (QStyle *stil = QStyleFactory::create(stilnavn))
        QApplication::setStyle(new TIkonStil(stil));
}

} // namespace

const QString TStilManager::platformNavn = QStringLiteral("Windows");

QStringList TStilManager::designNavne()
{
    QStringList navne{platformNavn};
    for (const Farver &f : designs)
        navne.append(QString::fromLatin1(f.navn));
    return navne;
}

bool TStilManager::findes(const QString &navn)
{
    return navn == platformNavn || findDesign(navn);
}

QPalette TStilManager::palet(const QString &navn)
{
    if (const Farver *f = findDesign(navn))
        return byg(*f);
    return platform().palet;
}

void TStilManager::forbered()
{
    platform();
    saetStil(DesignStil);
}

bool TStilManager::anvend(const QString &navn)
{
    if (!findes(navn))
        return false;
    const Platform &p = platform();
    if (navn == platformNavn) {
        saetStil(p.stil);
        QApplication::setPalette(p.palet);
    } else {
        saetStil(DesignStil);
        QApplication::setPalette(palet(navn));
    }
    aktivNavn() = navn;
    return true;
}

QString TStilManager::grundstil()
{
    return grundnavn(QApplication::style());
}

QString TStilManager::aktiv()
{
    return aktivNavn();
}
