#include "engines/tmenuexefiler.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "engines/tstarter.h"
#include "platform/programikon.h"
#include "platform/tekstfil.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Parses the list file's lines; false when the file is damaged.
bool fortolk(const QStringList &linjer, QList<ProgramRec> *ud)
{
    if (linjer.isEmpty())
        return true;
    bool ok = false;
    const qint64 n = linjer.first().trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    if (n <= 0)
        return true;
    // The count is checked against the lines that are really there before
    // anything is allocated, so a huge count costs nothing.
    if (n > (linjer.size() - 1) / 4)
        return false;
    QList<ProgramRec> liste;
    liste.reserve(n);
    for (qint64 i = 0; i < n; ++i) {
        const qsizetype f = 4 * i + 1;
        const int showType = linjer[f + 3].trimmed().toInt(&ok);
        if (!ok || showType < 0 || showType > 255)
            return false;
        liste.append({linjer[f], linjer[f + 1], linjer[f + 2], quint8(showType)});
    }
    *ud = liste;
    return true;
}

// The first of "<fil>.beskadiget", "<fil>.beskadiget2", … that is free.
QString ledigtNavn(const QString &fil)
{
    const QString grund = fil + QStringLiteral(".beskadiget");
    for (int i = 1; i < 1000; ++i) {
        const QString navn = i == 1 ? grund : grund + QString::number(i);
        if (!QFileInfo::exists(navn))
            return navn;
    }
    return {};
}

} // namespace

TMenuExeFiler::TMenuExeFiler(const QString &itemfile, TStarter &starter, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_itemfile(itemfile)
    , m_starter(starter)
    , m_dialogs(dialogs)
{
}

QStringList TMenuExeFiler::parametre(bool stifinderAktiv, const QStringList &valgteFiler, const QString &editSti)
{
    if (stifinderAktiv)
        return valgteFiler;
    if (!editSti.isEmpty())
        return {editSti};
    return {};
}

void TMenuExeFiler::HentProgrammer()
{
    m_prog.clear();
    m_ikoner.clear();
    m_gemSpaerret = false;
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QStringList linjer = tekstfil::hent(m_itemfile, tekstfil::Art::Liste, &status);
    // A file that is there but cannot be read has been reported by the reader
    // and is never written over; only a readable, damaged list is set aside.
    if (status == tekstfil::Laesning::Ok) {
        QList<ProgramRec> liste;
        if (fortolk(linjer, &liste))
            m_prog = liste;
        else
            beskadiget(QStringLiteral("er beskadiget"));
    }
    const Programikoner ikoner;
    // A path that comes again is looked at once.
    QHash<QString, QIcon> efterSti;
    m_ikoner.reserve(m_prog.size());
    for (const ProgramRec &r : std::as_const(m_prog)) {
        auto it = efterSti.constFind(r.sti);
        if (it == efterSti.constEnd()) {
            const QIcon i = QFileInfo::exists(r.sti) ? ikoner.ikon(r.sti) : QIcon();
            it = efterSti.insert(r.sti, i.isNull() ? Programikoner::blank() : i);
        }
        m_ikoner.append(*it);
    }
    emit listeAendret();
}

void TMenuExeFiler::beskadiget(const QString &grund)
{
    QString tekst = QStringLiteral("Programlisten ") + grund + QStringLiteral(":\r") + m_itemfile + u'\r';
    const QString nyt = ledigtNavn(m_itemfile);
    if (!nyt.isEmpty() && QFile::rename(m_itemfile, nyt)) {
        tekst += QStringLiteral("Den er lagt til side som:\r") + nyt + QStringLiteral("\rListen starter forfra.");
    } else {
        // Left where it is, and never written over.
        m_gemSpaerret = true;
        tekst += QStringLiteral("Den kunne ikke lægges til side og bliver ikke overskrevet.");
    }
    m_dialogs.inform(tekst);
}

bool TMenuExeFiler::GemProgrammer()
{
    if (m_itemfile.isEmpty())
        return true;
    if (m_gemSpaerret) {
        m_dialogs.inform(QStringLiteral("Programlisten gemmes ikke, da den beskadigede fil ikke kunne lægges til side:\r")
                         + m_itemfile);
        return false;
    }
    QStringList poster;
    int n = 0;
    for (const ProgramRec &r : std::as_const(m_prog)) {
        if (!QFileInfo::exists(r.sti))
            continue;
        poster << r.caption << r.sti << r.opstart << QString::number(r.ShowType);
        ++n;
    }
    const tekstfil::Skrivning s = tekstfil::skriv(m_itemfile, QStringList{QString::number(n)} + poster);
    if (s != tekstfil::Skrivning::Fejl)
        return s == tekstfil::Skrivning::Skrevet;
    m_dialogs.inform(QStringLiteral("Programlisten kunne ikke gemmes i:\r") + m_itemfile);
    return false;
}

QString TMenuExeFiler::enLinje(const QString &tekst)
{
    // A line break inside a field would shift every later record.
    QString t = tekst;
    t.replace(u'\r', u' ');
    t.replace(u'\n', u' ');
    return t;
}

void TMenuExeFiler::InsertItem(const QString &FNavn, const QString &MenuCaption, const QString &ProgOpstart,
                               quint8 ShowType)
{
    m_prog.append({enLinje(MenuCaption), enLinje(FNavn), enLinje(ProgOpstart), ShowType});
    m_ikoner.append(GetIcon(FNavn));
    emit listeAendret();
}

void TMenuExeFiler::DeleteItem(int MenuNr)
{
    if (MenuNr >= 0 && MenuNr < antal()) {
        m_prog.removeAt(MenuNr);
        m_ikoner.removeAt(MenuNr);
    }
    GemProgrammer();
    emit listeAendret();
}

bool TMenuExeFiler::flytOp(int aIndex)
{
    if (aIndex <= 0 || aIndex >= antal())
        return false;
    // Icons move with their records, and menus follow at once, so a menu
    // item never starts another program than the one it shows.
    m_prog.swapItemsAt(aIndex, aIndex - 1);
    m_ikoner.swapItemsAt(aIndex, aIndex - 1);
    emit listeAendret();
    return true;
}

bool TMenuExeFiler::flytNed(int aIndex)
{
    if (aIndex < 0 || aIndex >= antal() - 1)
        return false;
    m_prog.swapItemsAt(aIndex, aIndex + 1);
    m_ikoner.swapItemsAt(aIndex, aIndex + 1);
    emit listeAendret();
    return true;
}

QString TMenuExeFiler::GetCaption(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < antal() ? m_prog[MenuNr].caption : QString();
}

QString TMenuExeFiler::GetFilnavn(int MenuNr) const
{
    return MenuNr >= 0 && MenuNr < antal() ? m_prog[MenuNr].sti : QString();
}

QIcon TMenuExeFiler::ikon(int nr) const
{
    return nr >= 0 && nr < m_ikoner.size() ? m_ikoner[nr] : Programikoner::blank();
}

int TMenuExeFiler::findProgram(const QString &sti) const
{
    for (int i = 0; i < antal(); ++i)
        if (m_prog[i].sti == sti)
            return i;
    return -1;
}

QString TMenuExeFiler::getAktuelleCaption() const
{
    // Only a caption is looked up: a saved path whose letters A–Z differ in
    // case still finds its program's caption.
    for (const ProgramRec &r : m_prog)
        if (dansk::ensAZ(r.sti, m_aktuelleProgram))
            return r.caption;
    return {};
}

void TMenuExeFiler::setExeProgram(const QString &sti)
{
    if (m_exeProgram == sti)
        return;
    m_exeProgram = sti;
    emit exeProgramSkiftet(sti);
}

QStringList TMenuExeFiler::hentedeParametre() const
{
    return OnParam ? OnParam() : QStringList();
}

void TMenuExeFiler::klik(int nr)
{
    if (nr < 0 || nr >= antal())
        return;
    const ProgramRec r = m_prog[nr];
    if (!QFileInfo::exists(r.sti)) {
        m_dialogs.inform(r.caption + QStringLiteral(" blev ikke fundet.\rDet vil blive slettet fra listen."));
        DeleteItem(nr);
        return;
    }
    m_aktuelleProgram = r.sti;
    m_aktuelleCaption = r.caption;
    if (OnParam)
        MenuExeParam();
    else
        m_starter.OpenFilMedProgram(r.sti, QStringList(), r.ShowType == 3);
}

void TMenuExeFiler::MenuExeParam()
{
    const QStringList filer = hentedeParametre();
    setExeProgram(m_aktuelleProgram);
    emit infoProg(m_aktuelleCaption);
    m_starter.OpenFilMedProgram(m_exeProgram, filer);
}

void TMenuExeFiler::vaelgProgram(int nr)
{
    if (nr < 0 || nr >= antal())
        return;
    setAktuelleProgram(m_prog[nr].sti);
    setExeProgram(m_prog[nr].sti);
    emit infoProg(m_prog[nr].caption);
}

void TMenuExeFiler::startProgram(int nr)
{
    if (nr < 0 || nr >= antal())
        return;
    setExeProgram(m_prog[nr].sti);
    OpenTheEle();
}

void TMenuExeFiler::OpenTheEle()
{
    m_starter.OpenFilMedProgram(m_exeProgram, hentedeParametre());
}

void TMenuExeFiler::rydAktivtProgram()
{
    setExeProgram({});
    emit infoProg({});
}

void TMenuExeFiler::visGemtProgram(const QString &sti)
{
    setAktuelleProgram(sti);
    setExeProgram(sti);
    emit infoProg(getAktuelleCaption());
}

QIcon TMenuExeFiler::GetIcon(const QString &FNavn)
{
    if (!QFileInfo::exists(FNavn))
        return Programikoner::blank();
    const QIcon i = Programikoner().ikon(FNavn);
    return i.isNull() ? Programikoner::blank() : i;
}
