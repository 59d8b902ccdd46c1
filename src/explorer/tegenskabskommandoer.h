#pragma once

#include "engines/thtmllister.h"

#include <QObject>
#include <QPointer>

class TRammeForbindelse;
class Tfilinfoform;
class Twinform;

// The explorer window's commands "Egenskaber" and the three media lists.
// It owns the window's properties window (made when first needed, closed
// with the explorer window) and moves the explorer to a file the properties
// window renamed.
class TEgenskabsKommandoer : public QObject
{
    Q_OBJECT

public:
    TEgenskabsKommandoer(Twinform &vindue, TRammeForbindelse &ramme);
    ~TEgenskabsKommandoer() override;

    // The properties of the active tree's selection.
    void Info();
    // Writes the page of the selected files and opens it.
    void htmlListe(THtmlLister::Art art);

    Tfilinfoform *infoForm();

private:
    void visMappe();
    void omdoebt(const QString &ny);

    Twinform &m_vindue;
    TRammeForbindelse &m_ramme;
    QPointer<Tfilinfoform> m_form;
};
