#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One freedesktop desktop entry (".desktop"), the Linux form of a shortcut
// and of a registered application. Only the keys of the [Desktop Entry]
// group that launching needs are kept.
class Desktopfil
{
public:
    // Reads a desktop entry; a file that cannot be read or has no
    // [Desktop Entry] group gives an entry that is not gyldig().
    static Desktopfil laes(const QString &sti);
    // Parses the text of a desktop entry; `sti` is remembered for %k.
    static Desktopfil fortolk(const QString &tekst, const QString &sti = {});

    bool gyldig() const { return m_gyldig; }
    QString sti() const { return m_sti; }
    QString type() const { return m_type; }
    QString navn() const { return m_navn; }
    QString exec() const { return m_exec; }
    QString tryExec() const { return m_tryExec; }
    QString arbejdsmappe() const { return m_path; }
    QString url() const { return m_url; }
    QString ikon() const { return m_ikon; }
    QStringList mimetyper() const { return m_mimetyper; }
    bool terminal() const { return m_terminal; }
    bool skjult() const { return m_skjult; }

    // The Exec line split into arguments by the desktop-entry quoting rules,
    // before field codes are expanded. Empty when the line is malformed
    // (an unclosed quotation mark).
    QStringList execArgumenter() const;

    // The program the entry starts: TryExec, else the first Exec argument.
    QString programnavn() const;

    // The command lines that open `filer` with this entry: %F and %U take
    // every file, %f and %u one file each (the program is then started once
    // per file), %i, %c and %k give the icon, the name and the entry's own
    // path, %% is a per cent sign, deprecated codes vanish. An entry that
    // takes no files is started once without them. Empty when Exec is
    // missing or malformed.
    QList<QStringList> kommandoer(const QStringList &filer) const;

private:
    bool m_gyldig = false;
    QString m_sti;
    QString m_type;
    QString m_navn;
    QString m_exec;
    QString m_tryExec;
    QString m_path;
    QString m_url;
    QString m_ikon;
    QStringList m_mimetyper;
    bool m_terminal = false;
    bool m_skjult = false;
};
