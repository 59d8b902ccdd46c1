#include "engines/tekstsoegning/tekstdokument.h"

#include "engines/tekstsoegning/linjebryder.h"
#include "engines/tekstsoegning/rtftekst.h"
#include "engines/tekstsoegning/tekstmatcher.h"
#include "engines/tekstsoegning/utf8.h"
#include "platform/tekstfil.h"

#include "platform/filinfo.h"

#include <QFile>

#include <cstring>
#include <vector>

namespace {

// Windows-1252 as UTF-8, byte by byte: the bytes of each character, taken
// from the same decoder the program's text files are read with.
struct Cp1252
{
    char bytes[256][4];
    int laengde[256];

    Cp1252()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray tegn = tekstfil::fraWindows1252(QByteArray(1, char(b))).toUtf8();
            laengde[b] = int(qMin<qsizetype>(tegn.size(), 4));
            memcpy(bytes[b], tegn.constData(), size_t(laengde[b]));
        }
    }
};

QByteArray fraCp1252(const QByteArray &fil)
{
    static const Cp1252 tabel;
    QByteArray ud(fil.size() * 3, Qt::Uninitialized);
    char *p = ud.data();
    for (char c : fil) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            *p++ = c;
        } else {
            memcpy(p, tabel.bytes[b], size_t(tabel.laengde[b]));
            p += tabel.laengde[b];
        }
    }
    ud.truncate(p - ud.constData());
    return ud;
}

} // namespace

Dokumenttekst::Dokumenttekst(const QByteArray &fil, Utf8 utf8)
{
    if (rtftekst::erRtf(fil)) {
        m_omsat = rtftekst::synligTekst(fil).toUtf8();
    } else if (fil.startsWith("\xFF\xFE") || fil.startsWith("\xFE\xFF")) {
        m_omsat = tekstfil::dekod(fil).toUtf8();   // UTF-16 (or UTF-32) by its byte-order mark
    } else {
        // The program's rule for text files: UTF-8 with or without its
        // byte-order mark, Windows-1252 when the bytes are not UTF-8.
        const qsizetype fra = fil.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        if (utf8 == Utf8::Ukendt)
            utf8 = utf8::gyldig(fil.constData() + fra, fil.size() - fra) ? Utf8::Gyldig : Utf8::Ugyldig;
        if (utf8 == Utf8::Gyldig) {
            m_data = fil.constData() + fra;
            m_laengde = fil.size() - fra;
            return;
        }
        m_omsat = fraCp1252(fil);
    }
    m_data = m_omsat.constData();
    m_laengde = m_omsat.size();
}

Laesning laesDokument(const QString &sti, qint64 maksStoerrelse, QByteArray &indhold, Dokumenttekst::Utf8 &utf8)
{
    utf8 = Dokumenttekst::Utf8::Ukendt;
    // Non-blocking, and only a regular file is read: anything else where a
    // file should be (a pipe put there since the folder was listed, a
    // device) is refused before a byte is read.
    QFile fil;
    qint64 stoerrelse = 0;
    if (!filinfo::aabnFil(sti, fil, &stoerrelse))
        return Laesning::Ulaeselig;
    if (stoerrelse > maksStoerrelse)
        return Laesning::ForStor;
    // Read to the end, not to the size seen at the start: a file that grows
    // while it is read is read as it stands. Pieces are checked for UTF-8
    // as they arrive.
    constexpr qsizetype Stykke = 128 * 1024;
    Laesning status = Laesning::Ok;
    utf8::Kontrol kontrol;
    qsizetype laest = 0;
    indhold.resize(qsizetype(stoerrelse) + 1);
    for (;;) {
        if (laest == indhold.size()) {
            if (laest > maksStoerrelse) {
                status = Laesning::ForStor;
                break;
            }
            indhold.resize(laest * 2);
        }
        const qint64 r = fil.read(indhold.data() + laest, qMin(indhold.size() - laest, Stykke));
        if (r < 0) {
            status = Laesning::Ulaeselig;
            break;
        }
        if (r == 0)
            break;
        if (laest < 3 && laest + r >= 3 && indhold.startsWith("\xEF\xBB\xBF"))
            kontrol.setFra(3);
        laest += r;
        if (laest >= 3)
            kontrol.tilfoej(indhold.constData(), laest);
    }
    indhold.resize(laest);
    if (status == Laesning::Ok && laest > maksStoerrelse)
        status = Laesning::ForStor;
    if (status == Laesning::Ok)
        utf8 = kontrol.afslut(indhold.constData(), laest) ? Dokumenttekst::Utf8::Gyldig : Dokumenttekst::Utf8::Ugyldig;
    return status;
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
