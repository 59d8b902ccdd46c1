#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// Icons of programs. A Linux program file carries no icon of its own; the
// desktop entry that starts it names one. Building the index reads every
// installed desktop entry once, so one Programikoner serves a whole list.
class Programikoner
{
public:
    Programikoner();

    // The icon of the entry whose TryExec or Exec program is `program` (or
    // of `program` itself when it is a desktop entry); a null icon if none.
    QIcon ikon(const QString &program) const;
    // The Icon value of that entry; empty when none.
    QString ikonnavn(const QString &program) const;

    // An icon name or path turned into an icon: an absolute path as it is,
    // else the icon theme, else the hicolor and pixmaps folders of the data
    // folders. Null when none is found.
    static QIcon fraNavn(const QString &navn);

    // A transparent picture in 16 and 32 pixels, the same one every time.
    static QIcon blank();

private:
    static QString noegle(const QString &program);
    QHash<QString, QString> m_ikonnavne;   // canonical program path -> Icon value
    // A list names the same programs many times: each path and each icon
    // name is looked up once.
    mutable QHash<QString, QIcon> m_efterSti;
    mutable QHash<QString, QIcon> m_efterNavn;
};
