// The end-of-fair documents on a large fair: sellers of 100 sold coupons
// each. "Imprimer les résultats" writes one page per seller code, for 1,000
// and for 10,000 sellers (the time should grow tenfold, not a hundredfold),
// and for a highest code far above the number of sellers; "Imprimer les
// fiches vendeurs" one sign per register line of 1,000 sellers.
//
//   build/bin/bench_statements

#include "app/module1.h"
#include "framework/dialogs.h"
#include "framework/files.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "framework/window.h"
#include "register/registerfiles.h"
#include "statements/utilities.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QFile>

#include <cstdio>

namespace {

constexpr int kSellers = 1000;
constexpr int kCouponsPerSeller = 100;

bench::Dialogs g_dialogs;

using bench::DataFolder;

// Seller k owns the coupons (k - 1) * 100 + 1 to k * 100 and sold them all,
// in the reverse order, so that every page sorts its list. Seller k has the
// code k, but the last seller has `lastCode`: above the number of sellers,
// every code between has a page without sales.
void writeFair(int count = kSellers, int lastCode = kSellers)
{
    QVector<reg::Seller> sellers;
    for (int k = 1; k <= count; ++k) {
        reg::Seller s;
        s.NomVendeur = QStringLiteral("Vendeur ") + fw::Str(k);
        const int code = k == count ? lastCode : k;
        s.CodeVendeur = fw::Str(code);
        s.AdresseVendeur = QStringLiteral("Rue des Écoles ") + fw::Str(k);
        s.NumPostVendeur = QStringLiteral("1000");
        s.VilleVendeur = QStringLiteral("Lausanne");
        s.CouponStart = fw::Str((k - 1) * kCouponsPerSeller + 1);
        s.CouponStop = fw::Str(k * kCouponsPerSeller);
        s.locaquariums = s.locrampes = QStringLiteral("1");
        sellers.append(s);
        QByteArray sales;
        for (int n = k * kCouponsPerSeller; n > (k - 1) * kCouponsPerSeller; --n)
            sales += QByteArray::number(n) + ",2.50\n";
        QFile file(QStringLiteral("vendeur_") + fw::Str(code) + QStringLiteral(".csv"));
        if (!file.open(QIODevice::WriteOnly) || file.write(sales) != sales.size())
            std::fprintf(stderr, "cannot write a sales file\n");
    }
    if (reg::RewriteRegister(sellers))
        std::fprintf(stderr, "cannot write the register\n");
}

void press(const char *button)
{
    utilities::instance()->findChild<QAbstractButton *>(QString::fromLatin1(button))->click();
}

void BM_GeneralStatements(benchmark::State &state)
{
    DataFolder folder;
    writeFair(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Module1::qvotaux = 0.12;
    for (auto _ : state) {
        g_dialogs.last.clear();
        press("BevelButton2");
    }
    if (g_dialogs.last != QStringLiteral("Fichier créé (Fichier_General_des_vendeurs.rtf)."))
        state.SkipWithError(("the document was not written: " + g_dialogs.last.toStdString()).c_str());
    fw::Window::destroyAllForTesting();
}

void BM_SignSheet(benchmark::State &state)
{
    DataFolder folder;
    writeFair();
    g_dialogs.last.clear();
    for (auto _ : state)
        press("BevelButton1");
    // The sheet says nothing when it is written and opened.
    if (!g_dialogs.last.isEmpty())
        state.SkipWithError(("the sheet was not written: " + g_dialogs.last.toStdString()).c_str());
    fw::Window::destroyAllForTesting();
}

// Arguments: sellers, highest code.
BENCHMARK(BM_GeneralStatements)
    ->Args({1000, 1000})
    ->Args({10000, 10000})
    ->Args({1000, 20000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SignSheet)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return bench::Run(argc, argv, g_dialogs); }
