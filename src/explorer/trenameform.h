#pragma once

#include <QDialog>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the rename dialog and the extension dialog share: a read-only folder
// and old value, the new value typed by the user, "Omdøb" and "Annuller".
// Enter in the new-value field moves the focus to "Omdøb", so a second
// Enter confirms. Hovering a button tells its hint through hint().
class TOmdoebDialog : public QDialog
{
    Q_OBJECT

public:
    // Fills the fields (the new value empty unless a typed value is offered
    // again), focuses the new value, centres the window over the main window
    // and runs it; true for "Omdøb".
    bool vis(const QString &mappe, const QString &gammel, const QString &ny = {});

    QLineEdit *const mappeEdit;
    QLineEdit *const oldEdit;
    QLineEdit *const newEdit;
    QPushButton *const omdoebKnap;
    QPushButton *const annullerKnap;

signals:
    void hint(const QString &tekst);

protected:
    TOmdoebDialog(const QString &caption, const QString &gammelLabel, const QString &nyLabel, QWidget *parent);
    bool eventFilter(QObject *objekt, QEvent *e) override;
    QGridLayout *felter() const { return m_felter; }

private:
    QGridLayout *m_felter;
};

// "Omdøb": a new name for a folder or file. A file's extension is kept:
// the user types the name without it, and the line below the new name
// says so.
class TrenameForm : public TOmdoebDialog
{
    Q_OBJECT

public:
    explicit TrenameForm(QWidget *parent = nullptr);

    // The extension the renamed file keeps ("" for a folder or a file
    // without one: the line is hidden then).
    void setFiltype(const QString &ext);

    QLabel *const filtypeLabel;
};

// "Omdøb filtype": a new extension for the files of a folder, and whether
// the subfolders take part.
class TextForm : public TOmdoebDialog
{
    Q_OBJECT

public:
    explicit TextForm(QWidget *parent = nullptr);

    // 0 "Omdøb kun filer i denne mappe", 1 "… samt alle undermapper".
    int checkIndex() const;
    void setCheckIndex(int index);

    QButtonGroup *const Check;
};
