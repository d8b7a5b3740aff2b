#include "module1.h"

namespace Module1 {

void reset()
{
    thename.clear();
    qvotaux = 0;
    vc2.clear();
    myday.clear();
    grandtotal = app::Amount();
    SonNom.clear();
    adresse2.clear();
    zip2.clear();
    localite2.clear();
    bacs2.clear();
    rampes2.clear();
    FindVendor = 0;
    generalfailure = 0;
}

} // namespace Module1
