#pragma once

#include <QWidget>

#include <array>

struct MainEgenskaber;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;
class TVippeknap;

// The settings page of the left panel: five icon-only sub-pages whose
// controls hold most lines of the main settings file. The page only shows
// and collects values and reports changes; the main window carries out what
// a change means.
class TEgenskabsside : public QWidget
{
    Q_OBJECT

public:
    explicit TEgenskabsside(QWidget *parent = nullptr);

    // Sets the controls this page holds. An index outside its control's
    // range leaves the control as it was.
    void anvend(const MainEgenskaber &e);
    // Copies the state of this page's controls into e.
    void hent(MainEgenskaber &e) const;

    QTabWidget *undersider() const { return m_undersider; }

    // The style box lists `navne` and selects `valgt`; no selection when the
    // name is not among them.
    void visDesigns(const QStringList &navne, const QString &valgt);

    int maxElementer() const { return m_maxElementer; }
    void setMaxElementer(int antal);
    void visStoerrelse(int bredde, int hoejde);

    // Buttons and check boxes that stand for the window's commands.
    void bindStandardSize(QAction *standardSize);
    QCheckBox *sammeKlipbordCheck() const { return m_sammeKlipbord; }
    QCheckBox *blokerCheck() const { return m_blokerCheck; }

    int bogfaner() const;   // tab look: 0 flat buttons, 1 buttons, 2 tabs

    // Whether page 2, 3, 6 and 7 of the left panel are to be shown.
    std::array<bool, 4> synligeSider() const;

    // The down button subtracts 10 but never goes below 10; a value already
    // at or below 10 stays. The up button adds 10.
    static int maxElementerNed(int antal);
    static int maxElementerOp(int antal);

signals:
    void designValgt(const QString &navn);
    void bogfanerAendret(int indeks);
    // Tree font size, font name or structure lines changed.
    void traeVisningAendret();
    void fremstillingAendret(int indeks);
    // "Bloker funktioner" or "Vis hints" clicked.
    void opdateringsmaadeAendret();
    void sammeKlipbordAendret(bool til);
    void synligeSiderAendret();
    // "Udfør" under "StartUp-program".
    void startUpValgt();

private:
    QWidget *lavProgramside();
    QWidget *lavKlipbordside();
    QWidget *lavStrukturside();
    QWidget *lavSikkerhedsside();
    QWidget *lavPanelside();

    QTabWidget *m_undersider;
    QComboBox *m_designBox;
    QButtonGroup *m_fontbox;
    QButtonGroup *m_fontnavnBox;
    QCheckBox *m_strukturLinjer;
    QButtonGroup *m_bogfanerBox;
    QLineEdit *m_maxFindEdit;
    QLabel *m_bredde;
    QLabel *m_hoejde;
    QToolButton *m_standardKnap;
    QCheckBox *m_trayCheck;
    QCheckBox *m_minimerCheck;
    QCheckBox *m_sammeKlipbord;
    QButtonGroup *m_fremFormCheck;
    QCheckBox *m_sikkerhedsCheck;
    QCheckBox *m_blokerCheck;
    QCheckBox *m_beskedCheck;
    QCheckBox *m_vhaFunkCheck;
    std::array<TVippeknap *, 4> m_tabVis{};
    int m_maxElementer = 120;
};
