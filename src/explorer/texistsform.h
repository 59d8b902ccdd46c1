#pragma once

#include "engines/konfliktspoergsmaal.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// "Bestem handling": asked when a pasted file's name is taken. It shows the
// file and its folder, offers the four ways to go on, and remembers the
// last choice so the next question starts from it. "Overskriv dette
// element" follows the choice: ticked exactly with "Spørg hver gang".
class TExistsForm : public QDialog, public KonfliktSpoergsmaal
{
    Q_OBJECT

public:
    static constexpr int Hoejde = 320;
    static constexpr int MinBredde = 410;

    explicit TExistsForm(QWidget *parent = nullptr);

    KonfliktSvar askUser(const QString &filnavn, const QString &mappenavn) override;

    KonfliktHandling itemIndex() const;
    void setItemIndex(KonfliktHandling handling);

    QLineEdit *const filEdit;
    QLineEdit *const dirEdit;
    QGroupBox *const resultBox;
    QCheckBox *const checkOverskriv;
    QPushButton *const OKKnap;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void foelgValget();

    QButtonGroup *m_valg;
};
