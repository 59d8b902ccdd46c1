#include "engines/systeminfo/twmi.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tstarter.h"
#include "platform/aabner.h"
#include "platform/filinfo.h"
#include "platform/skript.h"
#include "platform/tekstfil.h"
#include "platform/terminal.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

// Class names become file names and script arguments: only the shape the
// scripts write is taken.
bool erKlassenavn(const QString &klasse)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_]{1,100}$"));
    return form.match(klasse).hasMatch();
}

} // namespace

TWmi::TWmi(Dialogs &dialogs, const QString &wmidir, const QString &wmiMappe, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_wmidir(stier::udenSkraastreg(wmidir))
    , m_wmiMappe(stier::udenSkraastreg(wmiMappe))
{
    if (!m_wmiMappe.isEmpty() && !QDir(m_wmiMappe).exists())
        QDir().mkdir(m_wmiMappe);
    koerTekstprogram = [](const QString &program) { return terminal::koerScript(program); };
    koerHtmlprogram = [](const QString &program) { return skript::start(program, {}); };
    aabnSide = [](const QString &side) { return aabner::execute(aabner::Verbum::Aabn, side); };
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TWmi::tik);
}

void TWmi::fejl(int kode)
{
    m_dialogs.inform(TStarter::ErrorTekst(kode));
}

bool TWmi::fjern(const QString &fil)
{
    if (!filinfo::findes(fil) || QFile::remove(fil))
        return true;
    m_dialogs.inform(QStringLiteral("Den gamle fil kunne ikke fjernes:\r") + fil);
    return false;
}

bool TWmi::hentClasses()
{
    if (m_namespaceDone || !filinfo::erFil(wmiFile()))
        return false;
    if (!filinfo::erMappe(m_wmiMappe)) {
        m_dialogs.inform(QStringLiteral("Mappen til output findes ikke:\r") + m_wmiMappe);
        return false;
    }
    if (!fjern(classFile()))
        return false;
    const int kode = skript::start(wmiFile(), {m_wmiMappe});
    if (kode <= 32) {
        fejl(kode);
        return false;
    }
    m_wmiDone = false;
    m_namespaceDone = true;
    m_venterPaa = classFile();
    m_timer.start();
    return true;
}

QStringList TWmi::indlaesClasses()
{
    if (!filinfo::erFil(classFile()))
        return {};
    QStringList klasser{foersteEmne()};
    for (const QString &linje : tekstfil::hent(classFile())) {
        const QString klasse = linje.trimmed();
        if (erKlassenavn(klasse))
            klasser.append(klasse);
    }
    m_wmiDone = true;
    return klasser;
}

bool TWmi::kanIndlaese() const
{
    return !m_wmiDone && filinfo::erFil(classFile());
}

bool TWmi::kanSkrive(const QString &klasse, bool html) const
{
    return erKlassenavn(klasse) && filinfo::erFil(html ? udskrivFileHTML() : udskrivFile());
}

bool TWmi::skrivProgram(const QString &klasse, bool html)
{
    if (!kanSkrive(klasse, html))
        return false;
    if (!filinfo::erMappe(m_wmiMappe)) {
        m_dialogs.inform(QStringLiteral("Mappen til output findes ikke:\r") + m_wmiMappe);
        return false;
    }
    const QString program = m_wmiMappe + u'/' + klasse + (html ? QStringLiteral("_Html.sh") : QStringLiteral(".sh"));
    m_side = html ? m_wmiMappe + u'/' + klasse + QStringLiteral(".html") : QString();
    // An earlier program or page of the class goes first, so the wait sees
    // only the new one.
    if (!fjern(program) || (html && !fjern(m_side)))
        return false;
    m_timer.stop();
    const int kode = skript::start(html ? udskrivFileHTML() : udskrivFile(), {klasse, m_wmiMappe});
    if (kode <= 32) {
        m_venterPaa.clear();
        fejl(kode);
        return false;
    }
    m_venterPaa = program;
    m_timer.start();
    return true;
}

void TWmi::tik()
{
    if (m_venterPaa.isEmpty() || !filinfo::findes(m_venterPaa))
        return;
    const QString fil = m_venterPaa;
    if (fil == classFile()) {
        m_timer.stop();
        m_venterPaa.clear();
        emit klasserKlar();
        return;
    }
    if (!m_side.isEmpty() && fil != m_side) {
        // The web program is written: run it and wait for its page.
        const int kode = koerHtmlprogram(fil);
        if (kode <= 32) {
            m_timer.stop();
            m_venterPaa.clear();
            fejl(kode);
            return;
        }
        m_venterPaa = m_side;
        return;
    }
    m_timer.stop();
    m_venterPaa.clear();
    const int kode = m_side.isEmpty() ? koerTekstprogram(fil) : aabnSide(fil);
    if (kode <= 32)
        fejl(kode);
    if (visMappe)
        visMappe(m_wmiMappe);
    emit programKoert(fil);
}
