#pragma once

#include "engines/fremdrift.h"

// The copy and move progress window: on top of the shared progress texts it
// has a caption, a summary line, a bar for the file being copied, a bar for
// the folder scan before the copy, and the number of folders found so far.
class KopiFremdrift : public Fremdrift
{
public:
    virtual void setCaption(const QString &tekst) = 0;
    virtual void setOversigt(const QString &tekst) = 0;
    // The file being copied, 0 to 100.
    virtual void setFilBar(int procent) = 0;
    virtual void setScanBar(int position, int maksimum) = 0;
    virtual void setIndlaesteMapper(qint64 antal) = 0;
};
