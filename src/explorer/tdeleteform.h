#pragma once

#include "engines/fremdrift.h"
#include "explorer/fremdriftsvindue.h"

// "Sletter mapper og filer": the progress of a deletion, written by the
// delete engine and by the removal of moved sources. It has no "Stop" and no
// close box: a deletion half done is worse than one finished.
class Tdeleteform : public Fremdriftsvindue<Fremdrift>
{
    Q_OBJECT

public:
    explicit Tdeleteform(QWidget *parent = nullptr);

    void setDestination(const QString &tekst) override;

    QLabel *const destLabel;
};
