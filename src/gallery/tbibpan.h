#pragma once

#include "engines/galleri/felter.h"
#include "engines/galleri/tbilledindlaeser.h"

#include <QColor>
#include <QList>
#include <QWidget>

class TRammeFeltX;

// The thumbnail grid: V x L cells laid out anew on every paint to fill the
// control, showing the pictures from `StartNr` on, with a frame per cell
// whose look follows the cell's state (normal, pressed, focused). Keys move
// the focus and scroll by single pictures; a press and release on a cell is
// a click. The pictures and thumbnails are handed in by the window once a
// load is done.
class TBibPan : public QWidget
{
    Q_OBJECT

public:
    explicit TBibPan(QWidget *parent = nullptr);

    // The painter of the cell frames, held, never owned.
    void setRamme(TRammeFeltX *ramme);

    int AntalVandret() const { return m_gitter.V; }
    int AntalLodret() const { return m_gitter.L; }
    // A new grid: laid out anew, no cell focused.
    void NyeFelterVL(int V, int L);

    QString Bibliotek() const { return m_bibliotek; }
    // The pictures of a folder with their thumbnails, made for cells of
    // `lager` (the thumbnail store's size); the first page is shown with
    // cell 0 looking focused, though no cell is.
    void setListe(const QString &bibliotek, const QList<TBilRec> &bil,
                  const QList<billedfiler::Miniature> &miniaturer, QSize lager);
    // No folder, no pictures.
    void tom();
    // Takes one picture out of the list (it was deleted), keeping the page.
    void fjern(int billede);

    const QList<TBilRec> &Bil() const { return m_bil; }
    const QList<billedfiler::Miniature> &miniaturer() const { return m_miniaturer; }
    int AntalIalt() const { return m_gitter.AntalIalt; }
    int Antal() const { return m_gitter.Antal(); }
    int StartNr() const { return m_gitter.StartNr; }
    int SlutNr() const { return m_gitter.SlutNr(); }
    int ANr() const { return m_gitter.ANr; }
    // The cell's state: 0 inactive, 1 normal, 2 pressed, 3 focused.
    int Sit(int felt) const { return m_sit.value(felt, 1); }
    QSize lager() const { return m_lager; }

    // The cells as the next paint lays them out.
    felter::Layout layout() const { return felter::BeregnFelter(size(), m_gitter.V, m_gitter.L); }
    // The size of a thumbnail made now: (W - 1) x (H - 1) of the cell's inside.
    QSize lagerStoerrelse() const { return layout().lagerStoerrelse(); }

    QColor FeltFarve() const { return m_feltFarve; }
    void setFeltFarve(const QColor &farve);

    // From the scroll shaft: a new first picture, without echo.
    void NytStartNr(int nr);

signals:
    // The grid scrolled itself (a key): the shaft follows.
    void startNrSkiftet(int startNr);
    // A key moved the focus to a picture (a list index).
    void fokusSkiftet(int billede);
    // A press and release on the same cell.
    void klik(Qt::MouseButton knap, int billede);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void nulstilCeller();
    void fjernFokuslook();
    void opdaterFelt(int felt);

    felter::Gitter m_gitter;
    QString m_bibliotek;
    QList<TBilRec> m_bil;
    QList<billedfiler::Miniature> m_miniaturer;
    QSize m_lager;
    QList<int> m_sit;
    QColor m_feltFarve;
    TRammeFeltX *m_ramme = nullptr;
    int m_trykket = -1;
};
