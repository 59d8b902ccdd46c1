#pragma once

#include <QString>
#include <QStringList>

class THjaelpIndhold;

// The help browser's history of visited topics: the entries of the history
// list, the current index and the rules that record a page change. Pure
// state, so the browser window only shows it.
class THjaelpHistorik
{
public:
    const QStringList &emner() const { return m_emner; }
    int aktuelIndex() const { return m_aktuel; }
    int antal() const { return int(m_emner.size()); }

    // Empties the list and adds the entries; the current index is kept as it
    // is, so it may point past the new list until the user navigates.
    void fyld(const QStringList &emner);
    // "Slet liste": empty, current index −1.
    void sletAlle();

    // Moves to an entry chosen in the history; the next page change then
    // comes from the history and only selects that entry.
    void gaaTil(int index);

    struct Registrering
    {
        bool aendret = false;   // false when the title was the last one seen
        int valgtNode = -1;     // contents node to select, -1 for none
        int valgtEmne = -1;     // history entry to select, -1 for none
    };
    // Records that the browser now shows the page `titel` ("Velkommen.html").
    Registrering registrerTitel(const QString &titel, const THjaelpIndhold &indhold);

    // Enable rules of the navigation commands.
    bool kanGaaTilFoerste() const { return antal() >= 2 && m_aktuel > 0; }
    bool kanGaaTilbage(bool historikVinduetFindes) const { return historikVinduetFindes && m_aktuel > 0; }
    bool kanGaaFrem() const { return m_aktuel < antal() - 1; }
    bool kanGaaTilSidste() const { return antal() >= 2 && m_aktuel < antal() - 1; }

    // Index reached by "Tilbage" and "Frem", kept inside the list.
    int tilbageIndex() const { return qMax(0, m_aktuel - 1); }
    int fremIndex() const { return qMin(antal() - 1, m_aktuel + 1); }

private:
    QStringList m_emner;
    int m_aktuel = -1;
    QString m_sidsteTitel;
    bool m_naviKlikket = false;
};
