#pragma once

// The cash desk as the cancellation and rate tests find it: opened on a
// journal, a rate file and sales files written beforehand.

#include "testsupport.h"

#include "cashdesk/window1.h"
#include "framework/controls.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace desk {

inline const QString kJournal = QStringLiteral("QVOB2026_main.csv");
// Written on an earlier day of the year than the fixed today, 7/3/2026.
inline const QByteArray kEarlierHeader =
    "Bourse QVO du 1/2/2026\nNuméro de coupon,Valeur encaissée,Vendeur,code vendeur\n";
inline const QStringList kTodayHeader{QStringLiteral("Bourse QVO du 7/3/2026"),
                                      QStringLiteral("Numéro de coupon,Valeur encaissée,Vendeur,code vendeur")};

template <class T>
T *child(const QWidget *window, const char *name)
{
    T *c = window->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

struct CashDesk {
    ProgramFixture fixture;
    Window1 *window = nullptr;

    const DataFolder &folder() const { return fixture.folder; }

    // Writes the journal's coupon lines under a header and the rate file, then
    // opens the cash desk, which reloads them.
    void open(const QByteArray &journalLines, const QByteArray &rateFile = "0.12\n")
    {
        folder().write(kJournal, kEarlierHeader + journalLines);
        folder().write(QStringLiteral("ValComm.txt"), rateFile);
        window = Window1::instance();
    }

    template <class T>
    T *control(const char *name) const
    {
        return child<T>(window, name);
    }
    fw::Listbox *coupons() const { return control<fw::Listbox>("ReferenceBox"); }
    QString total() const { return control<fw::TextField>("ShowTotal")->Text(); }
    QString commission() const { return control<fw::TextField>("ShowComm")->Text(); }
    void press(const char *button) const { control<QAbstractButton>(button)->click(); }

    // Selects a row (-1: none) and presses "Effacer".
    void cancel(int row) const
    {
        coupons()->SetListIndex(row);
        press("BevelButton3");
    }

    // A row as "Ajouter" leaves it, texts as typed.
    void addRow(const QStringList &cells) const
    {
        fw::Listbox *list = coupons();
        list->AddRow(cells.value(0));
        for (int c = 1; c < cells.size(); ++c)
            list->SetCell(list->LastIndex(), c, cells[c]);
    }

    // The cells of every row of a list, each row joined by ",".
    QStringList rows(const char *list) const
    {
        auto *l = control<fw::Listbox>(list);
        QStringList out;
        for (int r = 0; r < l->ListCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < l->ColumnCount(); ++c)
                cells.append(l->Cell(r, c));
            out.append(cells.join(QLatin1Char(',')));
        }
        return out;
    }

    // Once the desk is open: a folder takes the file's place, so it can no
    // longer be replaced (nor read).
    void replaceWithFolder(const QString &name) const
    {
        QVERIFY(QFile::remove(folder().path(name)));
        folder().block(name);
    }
};

} // namespace desk
