#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// Page 2 of the left panel: searches on Google, Bing and YouTube in the
// desktop's web browser, and the message centre that sends a desktop
// notification.
class TNetside : public QWidget
{
    Q_OBJECT

public:
    struct Ramme
    {
        std::function<void(const QUrl &)> aabnAdresse;
        std::function<void(const QString &overskrift, const QString &tekst)> makeInfo;
    };

    explicit TNetside(Ramme ramme, QWidget *parent = nullptr);

    QAction *kommando(const QString &navn) const;

    // The words searched for by the Google and Bing buttons and by the
    // YouTube button.
    QString soegeord() const;
    QString tubeOrd() const;

    // The enable rules, evaluated now.
    void opdaterKommandoer();

private:
    QAction *lavKommando(const char *navn, const QString &tekst, const QString &hintTekst,
                         const QKeySequence &tast = {});
    QWidget *lavSoegning();
    QWidget *lavBeskedcenter();
    void vaelg(QRadioButton *radio);

    Ramme m_ramme;
    QRadioButton *m_checkFind = nullptr;
    QRadioButton *m_checkMemo = nullptr;
    QRadioButton *m_checkTube = nullptr;
    QLineEdit *m_findEditX = nullptr;
    QPlainTextEdit *m_findMemo = nullptr;
    QLineEdit *m_tubeEdit = nullptr;
    QLineEdit *m_bcEdit = nullptr;
    QLineEdit *m_bcEditTekst = nullptr;
    QPushButton *m_send = nullptr;
};
