#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

class QFileSystemWatcher;
class QTimer;

// Watches the folders a window shows and reports that they changed on disk.
// Changes arriving close together (a copy of thousands of files) are
// gathered and reported once per interval, so the window re-reads a folder a
// few times during a burst, never once per file. The interval grows to twice
// the time the last report took to handle, so re-reading a huge folder never
// takes more than a third of the window's time. The watch is a courtesy:
// a folder the system will not watch (the inotify limit reached, no access)
// is simply not followed, and only the first MaksMapper folders asked for
// are watched.
class TMappeVagt : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaksMapper = 256;

    explicit TMappeVagt(QObject *parent = nullptr);

    // How long changes are gathered before they are reported.
    void setForsinkelse(int ms);
    int forsinkelse() const;

    // Watches these folders, and no others: the first ones matter most.
    void foelg(const QStringList &mapper);
    QStringList fulgte() const;

    // The receiver could not take the change now: report it again later.
    void udsaet(const QStringList &mapper);

signals:
    // Each folder once, however many changes it had.
    void aendret(const QStringList &mapper);

private:
    void noter(const QString &mappe);
    void meld();

    QFileSystemWatcher *m_vagt;
    QTimer *m_timer;
    QSet<QString> m_aendrede;
    int m_forsinkelse = 250;
    qint64 m_arbejde = 0; // ms the last report took to handle
};
