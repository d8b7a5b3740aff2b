// Makes one change to the files of a data folder and kills itself at the
// given point of it, as a kill or a power cut would stop the program there:
//
//   change_child <folder> recording|cancelling|creation|editor <point>
//
// Points count the steps of fw::FileChange from 1; 0 or a point past the
// last makes the whole change. Exits 0 once the change is made, 2 when it
// reports a failure.

#include "cashdesk/salefiles.h"
#include "framework/change.h"
#include "framework/files.h"
#include "register/registerfiles.h"

#include <QByteArray>
#include <QDir>
#include <csignal>
#include <cstdio>

namespace {

int g_point = 0;
int g_reached = 0;

void stopHere(fw::ChangeStep)
{
    if (++g_reached == g_point)
        std::raise(SIGKILL);
}

bool make(const QByteArray &change)
{
    if (change == "recording")
        return cashdesk::RecordSale(QStringLiteral("QVOB2026_main.csv"), QStringLiteral("7/3/2026"),
                                    QStringLiteral("vendeur_7.csv"), {"20", "2.50", "Martin", "07"})
            .isEmpty();
    if (change == "cancelling")
        // As the cash desk cancels coupon 2 of seller 2.
        return !fw::ReplaceTextFiles({{QStringLiteral("QVOB2026_main.csv"),
                                       {"Bourse QVO du 7/3/2026", "Numéro de coupon,Valeur encaissée,Vendeur,code vendeur",
                                        "1,10,Dupont,1", "3,5,Dupont,1"}},
                                      {QStringLiteral("vendeur_2.csv"), {"4,1"}}});
    if (change == "creation")
        return !reg::AppendSeller(reg::SellerFromFields({"B", "2", "", "", "", "4", "6", "0", "0"}));
    if (change == "editor")
        return !reg::RewriteRegister({reg::SellerFromFields({"A", "1", "Rue 1", "", "", "1", "2", "0", "0"}),
                                      reg::SellerFromFields({"B", "2", "", "", "", "3", "5", "1", "0"})});
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fputs("usage: change_child <folder> recording|cancelling|creation|editor <point>\n", stderr);
        return 1;
    }
    g_point = QByteArray(argv[3]).toInt();
    fw::SetChangeStepHookForTesting(stopHere);
    return make(argv[2]) ? 0 : 2;
}
