#pragma once

#include <QWidget>

class QAction;
class QButtonGroup;
class QLabel;
class QListWidget;
class QListWidgetItem;
class TMenuExeFiler;

// The programs page of the left panel ("Udvalgte programmer"): the buttons
// "Program" and "Indfør", the label with the active program, the box of
// registered programs and the choice of its view. It follows the program
// list by itself; a click makes a program the active one, a double click
// starts it with the files the list asks the main window for.
class TProgramboks : public QWidget
{
    Q_OBJECT

public:
    explicit TProgramboks(TMenuExeFiler &menuExe, QWidget *parent = nullptr);

    void loadProgramBox();

    // 0 "Opstil som liste" (tiles), 1 "Opstil flydende" (large icons).
    int visning() const;
    void setVisning(int index);

    void setProgramLabel(const QString &tekst);

    QListWidget *programBox() const { return m_box; }
    QLabel *programLabel() const { return m_label; }
    QAction *progOpen2() const { return m_progOpen2; }
    QAction *ProgInsert2() const { return m_progInsert2; }

signals:
    // "Indfør": open the program insertion window.
    void indfoer();
    void visningSkiftet(int index);

private:
    void anvendVisning(int index);
    void opdaterProgOpen();

    TMenuExeFiler &m_menuExe;
    QAction *m_progOpen2;
    QAction *m_progInsert2;
    QLabel *m_label;
    QListWidget *m_box;
    QButtonGroup *m_visProgrammer;
};
