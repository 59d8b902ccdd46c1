#include "platform/navnekode.h"

namespace navnekode {

namespace {

// Length of the valid UTF-8 sequence starting at p, or 0 when it is invalid.
int gyldigSekvens(const unsigned char *p, qsizetype rest)
{
    const unsigned char c = p[0];
    int n;
    char32_t min;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) { n = 2; min = 0x80; }
    else if ((c & 0xF0) == 0xE0) { n = 3; min = 0x800; }
    else if ((c & 0xF8) == 0xF0) { n = 4; min = 0x10000; }
    else return 0;
    if (rest < n)
        return 0;
    char32_t kode = c & (0x7F >> n);
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        kode = (kode << 6) | (p[i] & 0x3F);
    }
    if (kode < min || kode > 0x10FFFF || (kode >= 0xD800 && kode <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

void dekodTil(QString &ud, const char *bytes, qsizetype laengde)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes);
    qsizetype i = 0;
    while (i < laengde && p[i] < 0x80)
        ++i;
    if (i == laengde) {
        ud.append(QLatin1StringView(bytes, laengde));
        return;
    }

    ud.reserve(ud.size() + laengde);
    qsizetype start = 0;
    while (i < laengde) {
        const int n = gyldigSekvens(p + i, laengde - i);
        if (n > 0) {
            i += n;
            continue;
        }
        ud += QString::fromUtf8(bytes + start, i - start);
        ud += QChar(char16_t(0xDC00 + p[i]));
        ++i;
        start = i;
    }
    ud += QString::fromUtf8(bytes + start, laengde - start);
}

QString dekod(const char *bytes, qsizetype laengde)
{
    QString ud;
    dekodTil(ud, bytes, laengde);
    return ud;
}

QString dekod(const QByteArray &bytes)
{
    return dekod(bytes.constData(), bytes.size());
}

QByteArray kod(const QString &sti)
{
    bool escape = false;
    for (QChar c : sti) {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            escape = true;
            break;
        }
    }
    if (!escape)
        return sti.toUtf8();

    QByteArray ud;
    ud.reserve(sti.size() * 2);
    qsizetype start = 0;
    for (qsizetype i = 0; i < sti.size(); ++i) {
        const char16_t u = sti.at(i).unicode();
        // A lone low surrogate in this range stands for one raw byte; a real
        // surrogate pair never starts with a low surrogate.
        const bool foranHoej = i > 0 && QChar::isHighSurrogate(sti.at(i - 1).unicode());
        if (u >= 0xDC80 && u <= 0xDCFF && !foranHoej) {
            ud += QStringView(sti).mid(start, i - start).toUtf8();
            ud += char(u - 0xDC00);
            start = i + 1;
        }
    }
    ud += QStringView(sti).mid(start).toUtf8();
    return ud;
}

QByteArray procentKod(const QString &sti)
{
    return kod(sti).toPercentEncoding("/");
}

} // namespace navnekode
