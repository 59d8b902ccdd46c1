#pragma once

#include <QWidget>

class Dialogs;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class TFilMappeDrevInfo;

// The properties window of one explorer window: the page of a file, a
// folder or a drive, filled from the properties engine and shown without
// blocking the program. The user stays on the page of the element's kind,
// may change a file's read-only and hidden attributes, and may close the
// window while a folder is still being totalled (the total then stops).
class Tfilinfoform : public QWidget
{
    Q_OBJECT

public:
    explicit Tfilinfoform(Dialogs *dialogs, QWidget *parent = nullptr);
    ~Tfilinfoform() override;

    // Each fills its page and shows the window; false (with the window
    // closed and the reason told) when the element cannot be shown.
    bool showFileInfo(const QString &sti);
    bool showMappeInfo(const QString &sti);
    bool showDriveInfo(const QString &mappe);

    QString Filnavn;        // the file shown on the "Fil" page
    int SideNummer = 0;     // 0 file, 1 drive, 2 folder

    TFilMappeDrevInfo *motor() const { return m_motor; }

    // The controls, for the explorer's tests.
    QTabWidget *sider() const { return m_sider; }
    QCheckBox *cbReadOnly = nullptr;
    QCheckBox *cbHidden = nullptr;
    QPushButton *Anvend = nullptr;
    QPushButton *Information = nullptr;
    QPushButton *Luk = nullptr;
    QPushButton *Mindre = nullptr;
    QPushButton *Stoerre = nullptr;
    QLineEdit *EditFilnavn = nullptr, *EditPath = nullptr, *EditMappenavn = nullptr, *EditDisknavn = nullptr;
    QLabel *LabelSize = nullptr, *LabelOprettet = nullptr, *LabelForandret = nullptr, *LabelAabnet = nullptr,
           *LabelFiltype = nullptr;
    QLabel *LabelPlacering = nullptr, *LabelMappeSize = nullptr, *LabelMappeIndhold = nullptr,
           *LabeloprettelsesDato = nullptr, *LabelOversprunget = nullptr;
    QLabel *LabelFreeSpace = nullptr, *LabelAnvendtSpace = nullptr, *LabelKapasitet = nullptr, *LabelType = nullptr,
           *LabelFilsystem = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QLabel *ikonBox = nullptr, *mappeIkon = nullptr, *drevIkon = nullptr;

signals:
    // A hint for the main window's status line.
    void hint(const QString &tekst);
    // The help page to show.
    void hjaelp(const QString &side);
    // "Skjult" renamed the file shown: the explorer moves to the new name.
    void omdoebt(const QString &gammel, const QString &ny);

protected:
    void closeEvent(QCloseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    QWidget *lavFilSide();
    QWidget *lavMappeSide();
    QWidget *lavDrevSide();
    QWidget *lavKnapraekke();
    void visSide(int sideNummer, const QString &titel);
    void laasSide();
    void anvendAttributter();
    void aabnHjaelp();
    void aendrBredde(int bredde);
    void opdaterStoerrelsesknapper();

    Dialogs *m_dialogs;
    TFilMappeDrevInfo *m_motor;
    QTabWidget *m_sider = nullptr;
};
