#include "core/filnavn.h"

#include <QCryptographicHash>

namespace filnavn {

namespace {

QString kodTegn(const QString &navn)
{
    QString ud;
    ud.reserve(navn.size());
    for (qsizetype i = 0; i < navn.size(); ++i) {
        const QChar c = navn.at(i);
        if (c == u'%')
            ud += QStringLiteral("%25");
        else if (c == u'/')
            ud += QStringLiteral("%2F");
        else if (c == QChar(0))
            ud += QStringLiteral("%00");
        else if (c == u'.' && i == 0)
            ud += QStringLiteral("%2E");
        else
            ud += c;
    }
    return ud;
}

// The longest start of `tekst` whose UTF-8 takes at most `bytes`, never
// splitting a surrogate pair.
QString afkort(const QString &tekst, int bytes)
{
    int brugt = 0;
    qsizetype i = 0;
    while (i < tekst.size()) {
        const qsizetype laengde = tekst.at(i).isHighSurrogate() && i + 1 < tekst.size() ? 2 : 1;
        const int tegnBytes = int(tekst.mid(i, laengde).toUtf8().size());
        if (brugt + tegnBytes > bytes)
            break;
        brugt += tegnBytes;
        i += laengde;
    }
    return tekst.left(i);
}

} // namespace

QString fraNavn(const QString &navn, int reserveret)
{
    if (navn.isEmpty())
        return {};
    const QString kodet = kodTegn(navn);
    const int plads = maksBytes - reserveret;
    if (kodet.toUtf8().size() <= plads)
        return kodet;
    const QByteArray hash = QCryptographicHash::hash(navn.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString hale = u'~' + QString::fromLatin1(hash);
    QString start = afkort(kodet, plads - int(hale.size()));
    // A cut must not leave half of a "%2F".
    const qsizetype procent = start.lastIndexOf(u'%');
    if (procent >= 0 && procent > start.size() - 3)
        start.truncate(procent);
    return start + hale;
}

QString tilNavn(const QString &filnavn)
{
    QString ud;
    ud.reserve(filnavn.size());
    for (qsizetype i = 0; i < filnavn.size(); ++i) {
        if (filnavn.at(i) == u'%' && i + 2 < filnavn.size()) {
            const QStringView kode = QStringView(filnavn).mid(i + 1, 2);
            if (kode == u"25" || kode == u"2F" || kode == u"00" || kode == u"2E") {
                bool ok = false;
                ud += QChar(kode.toUShort(&ok, 16));
                i += 2;
                continue;
            }
        }
        ud += filnavn.at(i);
    }
    return ud;
}

} // namespace filnavn
