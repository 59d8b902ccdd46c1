#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;

// "Informationssider": the help browser's history list in a window of its
// own. While the browser runs inside the frame, the list itself is lent to
// the browser's side panel and comes back when the browser closes.
class Turlform1 : public QWidget
{
    Q_OBJECT

public:
    // `settingsfil` holds width and height; read here, written on close.
    explicit Turlform1(const QString &settingsfil, QWidget *parent = nullptr);

    QListWidget *urlListe() const { return m_urlListe; }
    QPushButton *sletKnap() const { return m_sletAlle; }
    void laanUd();
    void tagTilbage();

signals:
    void sletAlle();
    void synlighedSkiftet();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QString m_settingsfil;
    QListWidget *m_urlListe;
    QPushButton *m_sletAlle;
    class QVBoxLayout *m_listeplads;
};
