#pragma once

#include <QList>
#include <QString>

// The four keyboard-shortcut lists: which key, what it does, and what a
// double click on the row shows (a help page, a message, or a message
// followed by a help page).
struct GenvejsRaekke
{
    QString tast;
    QString funktion;
    QString besked;   // shown in the information box first, when not empty
    QString side;     // help page opened afterwards, when not empty
};

struct GenvejsListe
{
    QString titel;
    QString kolonne1;
    QString kolonne2;
    QList<GenvejsRaekke> raekker;
};

// Sub-pages 0–3: "Funktioner", "Programmer", "F taster", "Ctrl+".
const QList<GenvejsListe> &genvejslister();
