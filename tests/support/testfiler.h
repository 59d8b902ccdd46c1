#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtTest>

// Small fixture helpers for tests that work on real files.

// Writes a file, making its folder first.
inline void lavFil(const QString &sti, const QByteArray &indhold = "x")
{
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(indhold), indhold.size());
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
