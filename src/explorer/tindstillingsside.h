#pragma once

#include "engines/strukturrec.h"

#include <QWidget>

class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
struct StifinderEgenskaber;

// The explorer window's settings page: the focus buttons with the active
// tree, the current element, the copy-list counts and size, and the paste
// and delete settings. Restore and transfer of the lists live on the
// properties page.
class TIndstillingsside : public QWidget
{
    Q_OBJECT

public:
    TIndstillingsside(QAction *fokus, QAction *fokus2, QWidget *parent = nullptr);

    void saet(const StifinderEgenskaber &e);
    void saml(StifinderEgenskaber &e) const;

    void setAktivStruktur(Trae trae);          // "Struktur 1" / "Struktur 2"
    void setElementetsArt(const QString &art);  // "Mappe" / "Fil"
    void setMappenavn(const QString &navn);
    void setFilnavn(const QString &navn);
    QString mappenavn() const;
    bool gaaTilIndstillinger() const;
    // "Vis detaljer": the file tree's columns beside the names.
    void setVisDetaljer(bool vis);
    bool visDetaljer() const;

    // The copy lists: their counts ("Ingen" for none), the size field, and
    // the size command, which is held back while a computation runs.
    void setKlipbordAntal(int mapper, int filer);
    void setStoerrelse(const QString &tekst);
    void setBeregner(bool beregner);

signals:
    void hjaelp(const QString &side);
    void information(const QString &tekst);
    void beregnOensket();
    void annullerMapperOensket();   // "Annuller kopiering af mapper"
    void annullerFilerOensket();    // "Annuller kopiering af filer"
    void visDetaljerAendret(bool vis);

private:
    QLabel *felt(const QString &navn, const QString &tekst);
    QCheckBox *afkrydsning(const QString &navn, const QString &tekst, const QString &hint, const QString &info);

    QLabel *m_aktivStruktur;
    QLabel *m_art;
    QLabel *m_mappenavn;
    QLabel *m_filnavn;
    QButtonGroup *m_saetIndSlet;
    QButtonGroup *m_saetInd;
    QCheckBox *m_dragDrop;
    QCheckBox *m_autoOpdater;
    QCheckBox *m_lukProgress;
    QCheckBox *m_rydLister;
    QCheckBox *m_visKlipbord;
    QCheckBox *m_gaaTil;
    QCheckBox *m_visDetaljer;
    QLabel *m_antalMapper;
    QLabel *m_antalFiler;
    QLabel *m_stoerrelse;
    QPushButton *m_beregn;
};
