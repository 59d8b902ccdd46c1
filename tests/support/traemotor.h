#pragma once

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"

// The tree engine joined to a folder model and a file model, as a window
// joins them. forny() replaces all three, so each test starts from empty
// trees; the last set goes with the fixture.
struct Traemotor
{
    TMappeModel *mapper = nullptr;
    TFilModel *filer = nullptr;
    TStrukturCompo *motor = nullptr;

    Traemotor() = default;
    Traemotor(const Traemotor &) = delete;
    Traemotor &operator=(const Traemotor &) = delete;
    ~Traemotor() { ryd(); }

    void forny()
    {
        ryd();
        mapper = new TMappeModel;
        filer = new TFilModel;
        motor = new TStrukturCompo;
        motor->setStruktur1(mapper);
        motor->setStruktur2(filer);
    }

private:
    // The engine refers to the models, so it goes first.
    void ryd()
    {
        delete motor;
        delete mapper;
        delete filer;
        motor = nullptr;
        mapper = nullptr;
        filer = nullptr;
    }
};
