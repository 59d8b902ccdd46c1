#pragma once

#include <QTabWidget>

#include <array>
#include <functional>

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
class TSenereSide;

// The explorer window's side book: six pages with picture-only tabs, in
// this order: known folders, visited folders, favourites, find, properties,
// settings. The known-folders and find pages are frames that their own
// parts of the program fill. The visited, favourites and find pages are
// built when first shown or asked for, so a new window builds only what it
// shows.
class TSidebog : public QTabWidget
{
    Q_OBJECT

public:
    enum Side { KendteMapper = 0, Besoegte = 1, Favoritter = 2, Soeg = 3, Egenskaber = 4, Indstillinger = 5 };

    TSidebog(TReopenFilerY *historie, TReopenFilerX *favMapper, TReopenFilerX *favFiler, TReopenFilerX *findDir,
             TReopenFilerX *findFiler, QAction *fokus, QAction *fokus2, Dialogs &dialogs, QWidget *parent = nullptr);

    // These three build their page on the first call.
    THistorieside *historieside() const;
    TFavoritside *favoritside() const;
    TSoegside *soegside() const;
    TStifinderEgenskabsside *egenskabsside() const { return m_egenskaber; }
    TIndstillingsside *indstillingsside() const { return m_indstillinger; }
    TKendteMapperSide *kendteMapper() const { return m_kendte; }
    QLabel *soegMappe() const;
    QButtonGroup *strukturVisning() const;

    // "Venstre", "Top", "Højre".
    void setFanePlacering(int placering);
    // Pages 0-3 follow the switches of the properties page; 4 and 5 always show.
    void bestemTabs();
    void visSide(int side);

    bool erBygget(int side) const;
    // Runs `goer` once the page is built: now if it is, else when it is.
    void naarBygget(int side, QObject *kontekst, const std::function<void()> &goer);

signals:
    void sideBygget(int side);

private:
    TSenereSide *senere(int side, std::function<QWidget *()> byg);

    TKendteMapperSide *m_kendte;
    TStifinderEgenskabsside *m_egenskaber;
    TIndstillingsside *m_indstillinger;
    std::array<TSenereSide *, Indstillinger + 1> m_senere{};   // null for the pages built at once
};
