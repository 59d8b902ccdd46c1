#include "app/programstart.h"
#include "platform/brugernavn.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Before anything asks for the home folder: an empty $HOME would put the
    // data under "/Marvikel".
    brugernavn::retHjem();
    QApplication app(argc, argv);
    return programstart::koer(app);
}
