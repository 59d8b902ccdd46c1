#include "engines/kendteprogrammer.h"

#include "engines/tmenuexefiler.h"

#include <QDir>
#include <QFileInfo>

namespace kendteprogrammer {

QList<KendtProgram> tabel()
{
    const QString browsere = QStringLiteral("Browsere");
    const QString medie = QStringLiteral("Medie afspillere");
    const QString andre = QStringLiteral("Andre");
    return {
        {QStringLiteral("Firefox"), browsere, QStringLiteral("Firefox"), {},
         {QStringLiteral("/usr/bin/firefox-esr"), QStringLiteral("/usr/bin/firefox")}},
        {QStringLiteral("Chromium"), browsere, QStringLiteral("Chromium"), {},
         {QStringLiteral("/usr/bin/chromium"), QStringLiteral("/usr/bin/google-chrome-stable")}},
        {QStringLiteral("VLC medie player"), medie, QStringLiteral("VLC"), {}, {QStringLiteral("/usr/bin/vlc")}},
        {QStringLiteral("Videoer"), medie, QStringLiteral("Videoer"), {},
         {QStringLiteral("/usr/bin/totem"), QStringLiteral("/usr/bin/celluloid"), QStringLiteral("/usr/bin/mpv")}},
        {QStringLiteral("Teksteditor"), andre, QStringLiteral("Teksteditor"), {},
         {QStringLiteral("/usr/bin/gnome-text-editor"), QStringLiteral("/usr/bin/gedit"),
          QStringLiteral("/usr/bin/mousepad"), QStringLiteral("/usr/bin/kate"), QStringLiteral("/usr/bin/kwrite"),
          QStringLiteral("/usr/bin/featherpad"), QStringLiteral("/usr/bin/pluma"), QStringLiteral("/usr/bin/xed")}},
        {QStringLiteral("Geany"), andre, QStringLiteral("Geany"),
         QStringLiteral("Til tekstfiler af enhver art, specielt scriptfiler"), {QStringLiteral("/usr/bin/geany")}},
        {QStringLiteral("LibreOffice"), andre, QStringLiteral("LibreOffice"),
         QStringLiteral("Til dokumenter, regneark og præsentationer"), {QStringLiteral("/usr/bin/libreoffice")}},
        {QStringLiteral("Billedfremviser"), andre, QStringLiteral("Billedfremviser"),
         QStringLiteral("Til billedfiler af type bmp, jpg samt ico"),
         {QStringLiteral("/usr/bin/eog"), QStringLiteral("/usr/bin/ristretto"), QStringLiteral("/usr/bin/gwenview"),
          QStringLiteral("/usr/bin/gpicview"), QStringLiteral("/usr/bin/lximage-qt"), QStringLiteral("/usr/bin/viewnior")}},
    };
}

QString find(const KendtProgram &program, const TMenuExeFiler &liste, const QString &rod)
{
    for (const QString &s : program.stier) {
        const QString sti = QDir::cleanPath(rod + s);
        if (QFileInfo::exists(sti) && liste.findProgram(sti) < 0)
            return sti;
    }
    return {};
}

} // namespace kendteprogrammer
