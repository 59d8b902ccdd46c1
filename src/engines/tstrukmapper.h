#pragma once

#include "engines/tmapper.h"

// What the trees show (the private section, hidden elements) and the
// engine's current folder and file.
class TStrukMapper : public TMapper
{
    Q_OBJECT

public:
    using TMapper::TMapper;

    void setShowPrivate(bool vis) { ShowPrivate = vis; }
    void setShowHidden(bool vis) { ShowHidden = vis; }
    void setFilnavn(const QString &navn) { Filnavn = navn; }
    void setMappenavn(const QString &navn) { Mappenavn = navn; }

    bool showPrivate() const { return ShowPrivate; }
    bool showHidden() const { return ShowHidden; }
    QString filnavn() const { return Filnavn; }
    QString mappenavn() const { return Mappenavn; }

protected:
    bool ShowPrivate = false;
    bool ShowHidden = false;
    QString Filnavn;
    QString Mappenavn;
};
