#include "engines/tekstsoegning/tekstdokument.h"

#include "core/tekstfil.h"
#include "engines/tekstsoegning/linjebryder.h"
#include "engines/tekstsoegning/rtftekst.h"
#include "engines/tekstsoegning/tekstmatcher.h"
#include "engines/tekstsoegning/utf8.h"

#include <cstring>
#include <vector>

Dokumenttekst::Dokumenttekst(const QByteArray &fil)
{
    if (rtftekst::erRtf(fil)) {
        m_omsat = rtftekst::synligTekst(fil).toUtf8();
    } else {
        const bool utf8Bom = fil.startsWith("\xEF\xBB\xBF");
        const qsizetype fra = utf8Bom ? 3 : 0;
        const bool andenBom = fil.startsWith("\xFF\xFE") || fil.startsWith("\xFE\xFF");
        if (!andenBom && utf8::gyldig(fil.constData() + fra, fil.size() - fra)) {
            m_data = fil.constData() + fra;
            m_laengde = fil.size() - fra;
            return;
        }
        // The program's one rule for text of unknown encoding.
        m_omsat = tekstfil::dekod(fil).toUtf8();
    }
    m_data = m_omsat.constData();
    m_laengde = m_omsat.size();
}

namespace {

bool erAfsnitsskift(const char *d, qsizetype n, qsizetype i)
{
    return d[i] == '\n' || d[i] == '\r'
           || (d[i] == '\xE2' && i + 2 < n && d[i + 1] == '\x80' && d[i + 2] == '\xA9');   // U+2029
}

// The paragraph around byte i: from after the previous break to the next.
std::pair<qsizetype, qsizetype> afsnitOm(const char *d, qsizetype n, qsizetype i, qsizetype tidligst)
{
    qsizetype start = i;
    while (start > tidligst && !erAfsnitsskift(d, n, start - 1)) {
        // The last byte of U+2029 is a continuation byte: look at its start.
        if (start >= 3 && erAfsnitsskift(d, n, start - 3) && d[start - 3] == '\xE2')
            break;
        --start;
    }
    qsizetype slut = i;
    while (slut < n && !erAfsnitsskift(d, n, slut))
        ++slut;
    return {start, slut};
}

} // namespace

void soegIDokument(const Dokumenttekst &tekst, const Tekstmatcher &matcher, Linjebryder &bryder,
                   const QString &dokument, QList<FundRaekke> &ud)
{
    const char *d = tekst.data();
    const qsizetype n = tekst.size();
    std::vector<Tekstmatcher::Fund> fund;
    matcher.find(d, n, fund);
    if (fund.empty())
        return;

    qsizetype talt = 0;       // bytes counted so far
    qint64 position = 0;      // positions before `talt`
    qsizetype afsnitStart = -1, afsnitSlut = -1;
    qint64 afsnitPosition = 0;
    for (const Tekstmatcher::Fund &f : fund) {
        position += utf8::positioner(d, talt, f.start);
        talt = f.start;
        if (f.start >= afsnitSlut) {
            const auto [start, slut] = afsnitOm(d, n, f.start, qMax<qsizetype>(afsnitSlut, 0));
            afsnitStart = start;
            afsnitSlut = slut;
            afsnitPosition = position - utf8::positioner(d, afsnitStart, f.start);
            bryder.setAfsnit(QString::fromUtf8(d + afsnitStart, afsnitSlut - afsnitStart));
        }
        ud.append({dokument, position, bryder.linjeVed(int(position - afsnitPosition))});
    }
}
