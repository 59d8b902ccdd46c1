#pragma once

#include <QTabWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
struct StifinderEgenskaber;

// The explorer window's properties page: the tab "Egenskaber" (toolbar and
// side-book placement, the clipboard buttons, the four page switches) and
// the tab "Stifinder" (the window's own start-up choices). Every control
// takes effect at once through the signals.
class TStifinderEgenskabsside : public QTabWidget
{
    Q_OBJECT

public:
    explicit TStifinderEgenskabsside(QWidget *parent = nullptr);

    void saet(const StifinderEgenskaber &e);
    void saml(StifinderEgenskaber &e) const;
    void setStifinderNavn(const QString &navn);

    bool sideVist(int side) const;   // pages 0-3 of the side book

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

private:
    QWidget *lavEgenskaber();
    QWidget *lavStifinder();
    QPushButton *lavKontakt(const QString &navn, const QString &tekst, QWidget *side);

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
};
