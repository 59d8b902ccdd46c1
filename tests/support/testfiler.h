#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtTest>

// Small files for tests of file operations: make one, read one back, a
// folder's entries, and the whole tree below a folder as text to compare in
// one go.
namespace testfiler {

// Writes a fixture file; callers wrap it in QVERIFY so that a failed write
// stops the test instead of letting it go on without its fixture.
[[nodiscard]] inline bool lavFil(const QString &sti, const QByteArray &indhold = "x")
{
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Fixture could not be written:" << sti << f.errorString();
        return false;
    }
    return f.write(indhold) == indhold.size() && f.flush();
}

inline QByteArray indhold(const QString &sti)
{
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<mangler>");
}

// The entries of a folder spelt exactly as on disk, hidden ones too, sorted.
inline QStringList navne(const QString &mappe)
{
    QStringList ud = QDir(mappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    ud.sort();
    return ud;
}

// Every element below `mappe`, sorted: "a/" for a folder, "a/b=content" for
// a file. Hidden names are included, so a left-over temporary file shows.
inline QStringList trae(const QString &mappe)
{
    QStringList ud;
    QDirIterator it(mappe, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString sti = it.next();
        const QString rel = QDir(mappe).relativeFilePath(sti);
        ud.append(it.fileInfo().isDir() && !it.fileInfo().isSymLink() ? rel + "/"
                                                                       : rel + "=" + QString::fromUtf8(indhold(sti)));
    }
    ud.sort();
    return ud;
}

// Writes a file (its folder made first) and gives its path back, empty when
// it could not be written; `udfoerbar` lets its owner and group run it.
inline QString skrivFil(const QString &sti, const QByteArray &indhold, bool udfoerbar = false)
{
    QDir().mkpath(QFileInfo(sti).absolutePath());
    QFile f(sti);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(indhold);
    f.close();
    if (udfoerbar)
        f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup);
    return sti;
}

// A fake program that appends one line to the log `log` each time it runs:
// the shell words `foerst` (e.g. its name, "$PWD") and then its arguments,
// each in [].
inline QString skrivLogprogram(const QString &sti, const QString &log, const QByteArray &foerst)
{
    return skrivFil(sti,
                    "#!/bin/sh\nprintf '%s\\n' \"$(printf '[%s]' " + foerst + " \"$@\")\" >> '" + log.toUtf8()
                        + "'\n",
                    true);
}

// The lines of a text file, empty ones left out; none when it cannot be read.
inline QStringList tekstlinjer(const QString &sti)
{
    QFile f(sti);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace testfiler
