#include "engines/tpasteobjekt.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "engines/bekraeftelse.h"
#include "engines/kopifremdrift.h"

bool TPasteObjekt::hentListerne()
{
    if (onLoadLister)
        onLoadLister();
    if (ConstDest.isEmpty()) {
        if (onPasteElements)
            onPasteElements(false);
        return false;
    }
    return true;
}

bool TPasteObjekt::bekraeft(bool flyt)
{
    if (PasteMapper.isEmpty() && PasteFiler.isEmpty()) {
        // Everything was refused before anything was asked.
        if (onPasteElements)
            onPasteElements(false);
        return false;
    }
    if (IntSpm != Spoergsmaal::Altid)
        return true;
    const bool ja = m_vinduer.SpmCopyBox
        && m_vinduer.SpmCopyBox->skalElementerKopieres(ConstDest, flyt, PasteFiler, PasteMapper);
    if (onPasteElements)
        onPasteElements(ja);
    return ja;
}

bool TPasteObjekt::PasteElementer()
{
    if (m_koerer)
        return false;
    Optaget optaget(m_koerer);
    nulstil();
    m_husk = false;
    if (!hentListerne())
        return false;
    afvisMapperISigSelv(false);
    if (!bekraeft(false))
        return false;
    ryddeOpIDestinationen();
    // Shown before the counting, so a long count can be watched and stopped.
    m_vinduer.ProgressBox->vis();
    sizeOfElementer(ConstDest);
    kopierListerne();
    if (CloseBoxAfter)
        m_vinduer.ProgressBox->luk();
    rapporterUdeladte(false);
    return !stoppet();
}

bool TPasteObjekt::KopierFraLister()
{
    // Judged by what this call left out, not by what a move left alone on
    // its own volume before it.
    const qint64 foerSprunget = ikkePastede;
    const qsizetype foerMangler = ikkeAnkomne().size();
    m_vinduer.ProgressBox->vis();
    sizeOfElementer(ConstDest);
    kopierListerne();
    if (CloseBoxAfter)
        m_vinduer.ProgressBox->luk();
    return ikkePastede == foerSprunget && ikkeAnkomne().size() == foerMangler;
}

QString TPasteObjekt::getResult() const
{
    if (stoppet())
        return QStringLiteral("ukendt antal bytes, da kopieringsfunktionen blev afbrudt.");
    if (m_oversigt.isEmpty())
        return {};
    if (fuldstaendig() && m_udfoerteFiler == m_antalOptalt)
        return m_oversigt.mid(13);   // without "Der kopieres "
    const auto filer = [](qint64 n) { return n == 1 ? QStringLiteral(" fil: ") : QStringLiteral(" filer: "); };
    // Everything arrived, more than the counting could see.
    if (fuldstaendig())
        return dansk::heltal(m_udfoerteFiler) + filer(m_udfoerteFiler) + stoerrelseEfterCifre(m_udfoerteBytes);
    // Only what really arrived is counted, out of no fewer than that.
    const qint64 ialt = qMax(m_antalOptalt, m_udfoerteFiler);
    return dansk::heltal(m_udfoerteFiler) + QStringLiteral(" af ") + dansk::heltal(ialt) + filer(ialt)
        + stoerrelseEfterCifre(m_udfoerteBytes);
}
