#pragma once

#include <QWidget>

class QLabel;

// An explorer window, "Stifinder " + its number, with its own settings file.
// The window's trees and pages are built on this frame.
class Twinform : public QWidget
{
    Q_OBJECT

public:
    Twinform(int nummer, const QString &optMappe, QWidget *parent = nullptr);

    int nummer() const { return m_nummer; }
    // "Stifinder N.txt" in the settings folder.
    QString settingsfil() const;
    // The element the window shows now; the frame's path field follows it.
    QString aktuelleElement() const { return m_aktuelleElement; }

signals:
    void aktuelleElementSkiftet(const QString &sti);

private:
    int m_nummer;
    QString m_optMappe;
    QString m_aktuelleElement;
};
