#pragma once

#include <QString>

class QWidget;

// The kinds of window the frame hosts. A window says what it is through a
// property, so the window manager needs no knowledge of the classes.
enum class Vinduesart {
    Andet,
    Stifinder,
    Klipbord,
    Information,
    Genveje,
    Programmer,
    Mappestruktur,
    FindTekst,
    Billeder,
    Kalender,
    Wmi,
    Applets,
};

void saetVinduesart(QWidget *vindue, Vinduesart art);
Vinduesart vinduesart(const QWidget *vindue);

// The help page F1 opens for the active child of a kind; empty when none.
QString hjaelpesideFor(Vinduesart art);
