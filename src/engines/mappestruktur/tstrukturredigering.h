#pragma once

#include "engines/mappestruktur/mappestrukturer.h"

#include <QObject>
#include <QStringList>

#include <functional>

class Dialogs;

// What the structures window does, without the window: the structure shown
// (the one last clicked in the list), the structure under edit with its
// name, and the commands that save, edit, delete and rearrange them with
// their questions. The edited flag is the main window's `MsRedigeret`, which
// the main window's "Tilføj" also sets.
class TStrukturredigering : public QObject
{
    Q_OBJECT

public:
    TStrukturredigering(Dialogs &dialogs, bool &MsRedigeret, QObject *parent = nullptr);

    // The folder of the structure files (ends in "/"), and how the main
    // window is told to reload its list and structure menu.
    void setMappe(const QString &mappestrukturDir) { m_mappe = mappestrukturDir; }
    QString mappe() const { return m_mappe; }
    std::function<void()> loadMappeStruktur;

    QList<mappestrukturer::Struktur> strukturer() const { return m_strukturer; }
    void genlaes();   // the list from the folder

    // The structure shown on page "Strukturer": -1 for none.
    void vaelg(int index);
    int valgt() const { return m_valgt; }
    QStringList mapper() const { return m_mapper; }

    // The structure under edit.
    QStringList redigering() const { return m_redigering; }
    QString navn() const { return m_navn; }
    void setNavn(const QString &navn);
    bool redigeret() const { return m_MsRedigeret; }

    // The commands; each returns whether it did its work.
    bool gem();
    bool klargoer();
    bool rediger();
    bool slet();
    bool fjern(int index);
    bool flyt(int index, int retning);   // -1 up, +1 down
    void tilfoej(const QString &mappe);
    // Asked before the window closes; true when it may.
    bool maaLukke();

    // The enable rules.
    bool kanGemme() const { return m_MsRedigeret && !mappestrukturer::navnAf(m_navn).isEmpty(); }
    bool kanFlytte(int index, int retning) const;

signals:
    // Something the window shows has changed.
    void aendret();

private:
    QString filForNavn() const;
    void markerRedigeret();

    Dialogs &m_dialogs;
    bool &m_MsRedigeret;
    QString m_mappe;
    QList<mappestrukturer::Struktur> m_strukturer;
    int m_valgt = -1;
    QStringList m_mapper;
    QStringList m_redigering;
    QString m_navn;
    // The structure fetched for editing: saving under its name as shown
    // writes its own file even when the name shown is a shortened one.
    mappestrukturer::Struktur m_hentet;
};
