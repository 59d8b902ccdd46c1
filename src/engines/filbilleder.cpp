#include "engines/filbilleder.h"

#include "core/stier.h"

#include <QHash>

namespace filbilleder {

namespace {

const QHash<QString, int> &tabel()
{
    // ".desktop" and ".sh" are this system's shortcuts and console scripts
    // and look like the ".lnk" and ".bat" files they replace.
    static const QHash<QString, int> t = {
        {".rtf", 20}, {".vbs", 21}, {".wsf", 21}, {".js", 22}, {".html", 23}, {".asp", 23},
        {".inc", 23}, {".asa", 23}, {".css", 24}, {".bat", 25}, {".sh", 25}, {".ps1", 26},
        {".txt", 6}, {".xml", 6}, {".xsd", 6}, {".log", 6}, {".jpg", 3}, {".png", 3},
        {".bmp", 3}, {".ico", 3}, {".gif", 3}, {".mp3", 4}, {".m4a", 10}, {".mp4", 5},
        {".m4v", 8}, {".avi", 9}, {".mpg", 12}, {".wav", 13}, {".exe", 7}, {".lnk", 11},
        {".desktop", 11}, {".iss", 14}, {".pas", 18}, {".pdf", 28}, {".zip", 29}, {".dfm", 30}};
    return t;
}

} // namespace

// Called for every file of a listing, so the usual extension, short and
// plain ASCII, is lowered into a buffer of its own rather than new strings.
int getFilensImageIndex(QStringView navn)
{
    const QStringView ext = stier::udvidelse(navn);
    constexpr qsizetype Laengst = 8;   // ".desktop"
    if (ext.isEmpty() || ext.size() > Laengst)
        return 2;
    char16_t smaa[Laengst];
    for (qsizetype i = 0; i < ext.size(); ++i) {
        const char16_t c = ext[i].unicode();
        if (c >= 0x80)
            return tabel().value(ext.toString().toLower(), 2);
        smaa[i] = c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    }
    return tabel().value(QString::fromRawData(reinterpret_cast<const QChar *>(smaa), ext.size()), 2);
}

bool erDetEnBilledfil(const QString &udvidelse)
{
    const QString e = udvidelse.toLower();
    return e == QLatin1String(".jpg") || e == QLatin1String(".png") || e == QLatin1String(".bmp")
           || e == QLatin1String(".ico") || e == QLatin1String(".gif");
}

} // namespace filbilleder
