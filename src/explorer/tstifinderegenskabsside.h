#pragma once

#include <QTabWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;
struct StifinderEgenskaber;

// The explorer window's properties page: the tab "Egenskaber" (toolbar and
// side-book placement, the copy lists' transfer, shared-clipboard and
// restore buttons, the four page switches) and the tab "Stifinder" (the
// window's own start-up choices). Every control takes effect at once
// through the signals.
class TStifinderEgenskabsside : public QTabWidget
{
    Q_OBJECT

public:
    explicit TStifinderEgenskabsside(QWidget *parent = nullptr);

    void saet(const StifinderEgenskaber &e);
    void saml(StifinderEgenskaber &e) const;
    void setStifinderNavn(const QString &navn);

    bool sideVist(int side) const;   // pages 0-3 of the side book

    // "Gendan data" is possible after a paste.
    void setKanGendanne(bool kan);
    // With a shared "Klipbord" the transfer is no use; its help says why.
    void setDeltKlipbord(bool delt);
    void setKanOverfoere(bool kan);
    bool aktiver() const;          // "Aktiver" of the transfer
    void setAktiver(bool aktiver);

signals:
    void redskabPlaceringAendret(int placering);
    void fanePlaceringAendret(int placering);
    void siderAendret();
    void markerknapperAendret(bool alle);
    void visPrivatAendret(bool vis);
    void visSkjulteAendret(bool vis);
    void hjaelp(const QString &side);
    void information(const QString &tekst);
    void bestemIndstilling();
    void gendanOensket();      // "Gendan data"
    void overfoerOensket();    // "Overfør klipbords data"
    void aktiverAendret();     // "Aktiver" of the transfer

private:
    QWidget *lavEgenskaber();
    QWidget *lavStifinder();
    QPushButton *lavKontakt(const QString &navn, const QString &tekst, QWidget *side);
    void lavKlipbord(QWidget *side, QVBoxLayout *layout);

    QCheckBox *m_alleMarkerknapper;
    QButtonGroup *m_redskabPlacering;
    QButtonGroup *m_fanePlacering;
    QPushButton *m_kendte;
    QPushButton *m_favoritter;
    QPushButton *m_filnavne;
    QPushButton *m_besoegte;
    QLabel *m_navn;
    QCheckBox *m_startPrivat;
    QButtonGroup *m_programOpstart;
    QCheckBox *m_visSkjulte;
    QPushButton *m_overfoer = nullptr;
    QCheckBox *m_aktiver = nullptr;
    QPushButton *m_gendan = nullptr;
    bool m_delt = false;
};
