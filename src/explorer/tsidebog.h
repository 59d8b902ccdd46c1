#pragma once

#include <QTabWidget>

class Dialogs;
class QAction;
class QButtonGroup;
class QLabel;
class TFavoritside;
class THistorieside;
class TIndstillingsside;
class TReopenFilerX;
class TReopenFilerY;
class TKendteMapperSide;
class TSoegside;
class TStifinderEgenskabsside;

// The explorer window's side book: six pages with picture-only tabs, in
// this order: known folders, visited folders, favourites, find, properties,
// settings. The known-folders and find pages are frames that their own
// parts of the program fill.
class TSidebog : public QTabWidget
{
    Q_OBJECT

public:
    enum Side { KendteMapper = 0, Besoegte = 1, Favoritter = 2, Soeg = 3, Egenskaber = 4, Indstillinger = 5 };

    TSidebog(TReopenFilerY *historie, TReopenFilerX *favMapper, TReopenFilerX *favFiler, TReopenFilerX *findDir,
             TReopenFilerX *findFiler, QAction *fokus, QAction *fokus2, Dialogs &dialogs, QWidget *parent = nullptr);

    THistorieside *historieside() const { return m_historie; }
    TFavoritside *favoritside() const { return m_favoritter; }
    TStifinderEgenskabsside *egenskabsside() const { return m_egenskaber; }
    TIndstillingsside *indstillingsside() const { return m_indstillinger; }
    TKendteMapperSide *kendteMapper() const { return m_kendte; }
    TSoegside *soegside() const { return m_soeg; }
    QLabel *soegMappe() const;
    QButtonGroup *strukturVisning() const;

    // "Venstre", "Top", "Højre".
    void setFanePlacering(int placering);
    // Pages 0-3 follow the switches of the properties page; 4 and 5 always show.
    void bestemTabs();
    void visSide(int side);

private:
    TKendteMapperSide *m_kendte;
    THistorieside *m_historie;
    TFavoritside *m_favoritter;
    TStifinderEgenskabsside *m_egenskaber;
    TIndstillingsside *m_indstillinger;
    TSoegside *m_soeg;
};
