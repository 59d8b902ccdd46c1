#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <ftw.h>
#include <stdio.h>

// A temporary folder for a test's fixture that is removed with all it holds
// when the test ends. QTemporaryDir's own removal decodes names and so
// passes over those that are not valid UTF-8, leaving the folder behind;
// this one walks the raw bytes.
class Testmappe : public QTemporaryDir
{
public:
    Testmappe() { setAutoRemove(false); }
    explicit Testmappe(const QString &skabelon)
        : QTemporaryDir(skabelon)
    {
        setAutoRemove(false);
    }
    ~Testmappe()
    {
        if (isValid())
            nftw(QFile::encodeName(path()).constData(), fjernEt, 16, FTW_DEPTH | FTW_PHYS);
    }

private:
    static int fjernEt(const char *sti, const struct stat *, int, struct FTW *)
    {
        ::remove(sti);
        return 0;
    }
};
