#pragma once

#include <QDialog>
#include <QStyle>

class QLabel;
class QScreen;
class QScrollArea;
class TBeskedLabel;

// What the information box and the question box share: a fixed width, the
// text across the top, a button row with a small picture at each end, and a
// height that follows the text. The windows are created once and reused, so
// each show lays the window out afresh for the text it now carries and opens
// it centred on the main window.
class TBeskedform : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Bredde = 339;
    static constexpr int Sidemargen = 8;
    static constexpr int TekstBredde = Bredde - 2 * Sidemargen;
    static constexpr int TekstTop = 10;
    // Room below the text: margins and the button row.
    static constexpr int FastHoejde = 80;
    static constexpr int KnapHoejde = 25;
    // The button row's top, measured up from the bottom edge.
    static constexpr int KnapAfstandFraBund = 40;

    void insertTekst(const QString &tekst);
    QString tekst() const;

    // Empties the text and returns its font to 8 points.
    void resetValues();

    // Prepares the window for showing its current text: 10 point text, the
    // height for that text, every control in place. Showing calls it; it is
    // public so the layout can be checked without a modal loop.
    void FormShow();

    void setVisible(bool visible) override;
    void done(int resultat) override;

protected:
    TBeskedform(const QString &caption, QStyle::StandardPixmap billede, QWidget *parent);

    TBeskedLabel *tekstLabel() const { return m_label; }

    // Extra height between the text and the button row.
    virtual int ekstraHoejde() const { return 0; }
    // Called before the height is computed on every show.
    virtual void foerVisning() {}
    // Places the window's own controls; knapY is the top of the button row.
    virtual void placerKontroller(int knapY) = 0;

private:
    const QWidget *hovedvindue() const;
    QScreen *skaerm() const;
    int maksHoejde() const;
    void centrerPaaForaelder();

    TBeskedLabel *m_label;
    QScrollArea *m_tekstOmraade;
    QLabel *m_billedeVenstre;
    QLabel *m_billedeHoejre;
};
