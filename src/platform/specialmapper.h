#pragma once

#include <QHash>
#include <QString>

// The user's standard folders: the XDG user folders (localised names such as
// "Skrivebord" and "Dokumenter" come from ~/.config/user-dirs.dirs) and the
// few fixed places the program uses. Paths are returned whether or not the
// folder exists; callers decide what a missing folder means.
class SpecialMapper
{
public:
    // The running user's folders, from $HOME and the XDG variables.
    SpecialMapper();
    // A fixed home and configuration/data folders, for tests.
    SpecialMapper(const QString &hjem, const QString &configHjem, const QString &dataHjem);

    QString hjem() const { return m_hjem; }
    QString skrivebord() const { return brugermappe("DESKTOP", "Desktop"); }
    QString dokumenter() const { return brugermappe("DOCUMENTS", "Documents"); }
    QString billeder() const { return brugermappe("PICTURES", "Pictures"); }
    QString musik() const { return brugermappe("MUSIC", "Music"); }
    QString videoer() const { return brugermappe("VIDEOS", "Videos"); }
    QString hentet() const { return brugermappe("DOWNLOAD", "Downloads"); }
    QString offentligt() const { return brugermappe("PUBLICSHARE", "Public"); }
    QString skabeloner() const { return brugermappe("TEMPLATES", "Templates"); }
    // No desktop standard exists for favourites: a plain folder in the home.
    QString favoritter() const { return m_hjem + QStringLiteral("/Favoritter"); }
    QString startmenuProgrammer() const { return m_dataHjem + QStringLiteral("/applications"); }
    QString lokaleData() const { return m_dataHjem; }
    QString autostart() const { return m_configHjem + QStringLiteral("/autostart"); }

private:
    void laesBrugermapper();
    QString brugermappe(const char *noegle, const char *standard) const;

    QString m_hjem;
    QString m_configHjem;
    QString m_dataHjem;
    QHash<QString, QString> m_brugermapper;   // "DESKTOP" → absolute path
};
