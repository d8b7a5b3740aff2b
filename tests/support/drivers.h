#pragma once

// Driving the windows as their users do: controls reached by their design
// names, texts typed, buttons pressed.

#include "datafiles.h"
#include "testsupport.h"

#include "cashdesk/window1.h"
#include "framework/controls.h"
#include "framework/window.h"
#include "register/vendorfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <initializer_list>
#include <utility>

// A window's control by its design name; a test without it cannot go on.
template <class T = QWidget>
T *child(const QWidget *window, const char *name)
{
    T *c = window->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

inline void press(const QWidget *window, const char *button) { child<QAbstractButton>(window, button)->click(); }

inline QString text(const QWidget *window, const char *field) { return child<fw::TextField>(window, field)->Text(); }

// What typing gives: the text as typed, never put into a field's format, as
// QLineEdit itself takes it.
inline void type(const QWidget *window, const char *field, const QString &typed)
{
    QLineEdit *edit = child<fw::TextField>(window, field);
    edit->setText(typed);
}

// Shows the window as the active one, where the keyboard goes; false when
// it does not become active.
inline bool showActive(fw::Window *window)
{
    window->Show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// The design name of the control that has the keyboard focus, or nothing.
inline QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Shows the window as the active one and presses Tab `steps` times from the
// control `from`: the names of the controls visited, in order.
inline void visitByTab(fw::Window *window, const char *from, int steps, QStringList &visited)
{
    window->Show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    child(window, from)->setFocus();
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
}

// Reaches a window's controls by their design names.
template <class W>
class FormDriver
{
public:
    explicit FormDriver(W *window) : w(window) {}

    template <class T = fw::TextField>
    T *control(const char *name) const
    {
        return child<T>(w, name);
    }

    QString text(const char *name) const { return ::text(w, name); }
    void type(const char *name, const QString &typed) const { ::type(w, name, typed); }
    void press(const char *name) const { ::press(w, name); }

    QStringList row(const char *list, int r) const
    {
        auto *l = control<fw::Listbox>(list);
        QStringList cells;
        for (int c = 0; c < l->ColumnCount(); ++c)
            cells.append(l->Cell(r, c));
        return cells;
    }

    // The cells of every row of a list, each row joined by ",".
    QStringList rows(const char *list) const
    {
        auto *l = control<fw::Listbox>(list);
        QStringList out;
        for (int r = 0; r < l->ListCount(); ++r)
            out.append(row(list, r).join(QLatin1Char(',')));
        return out;
    }

    W *w;
};

// What the register windows answer a seller they refuse: a field that would
// split its line or lose its quotes, and a range of too many coupons.
inline QString splitRefusal(const char *label)
{
    return QStringLiteral("Le champ ") + QString::fromUtf8(label) +
           QStringLiteral(" ne peut contenir ni virgule ni retour à la ligne.");
}
// A field wholly inside quotes, which would read back without them.
inline QString quotedRefusal(const char *label)
{
    return QStringLiteral("Le champ ") + QString::fromUtf8(label) +
           QStringLiteral(" ne peut pas être tout entier entre guillemets : tapez-le sans les guillemets du début et de "
                          "la fin.");
}
inline QString rangeRefusal(const char *count)
{
    return QStringLiteral("Cette plage contient ") + QLatin1String(count) +
           QStringLiteral(" coupons : un vendeur ne peut en avoir plus de 100000.");
}

// What they answer a code, bound or count that is not a whole number, a
// name of blanks only, an empty code, a last coupon without a first, and a
// last coupon below the first.
inline QString notWholeRefusal(const char *label, const QString &typed)
{
    return QStringLiteral("Le champ ") + QString::fromUtf8(label) +
           QStringLiteral(" doit être un nombre entier, 0 ou plus : \"") + typed + QStringLiteral("\" n'en est pas un.");
}
inline const QString kNoNameRefusal = QStringLiteral("Le champ Nom est vide : tapez le nom du vendeur.");
inline const QString kEmptyCodeRefusal =
    QStringLiteral("Le champ Numéro est vide : chaque vendeur doit avoir un numéro.");
inline const QString kNoFirstCouponRefusal =
    QStringLiteral("Le champ Coupons de... est vide : tapez le premier coupon, ou videz aussi Coupons à... pour un "
                   "vendeur qui n'a pas encore de coupons.");
inline QString backwardsRefusal(const QString &last, const QString &first)
{
    return QStringLiteral("Le champ Coupons à... (") + last + QStringLiteral(") est plus petit que Coupons de... (") +
           first + QStringLiteral(") : le dernier coupon ne peut précéder le premier.");
}

// What they answer a seller who would share a coupon or a code with another
// one of the register; a range is "first à last".
inline QString overlapRefusal(const QString &range, const QString &name, const QString &code,
                              const QString &otherRange)
{
    return QStringLiteral("Les champs Coupons de... et Coupons à... : la plage ") + range +
           QStringLiteral(" a des coupons en commun avec celle du vendeur ") + name + QStringLiteral(" (numéro ") +
           code + QStringLiteral("), ") + otherRange + QStringLiteral(". Un coupon ne peut être qu'à un seul vendeur.");
}
inline QString codeRefusal(const QString &name, const QString &code)
{
    return QStringLiteral("Le champ Numéro : le vendeur ") + name + QStringLiteral(" a déjà le numéro ") + code +
           QStringLiteral(". Chaque vendeur doit avoir son propre numéro.");
}

// The register creation window, as the organiser uses it.
class VendorForm : public FormDriver<VendorFiles>
{
public:
    explicit VendorForm(VendorFiles *window = VendorFiles::instance()) : FormDriver(window) {}

    // Types the given fields over the proposed form and presses "Ajouter".
    void add(std::initializer_list<std::pair<const char *, QString>> fields) const
    {
        for (const auto &[name, typed] : fields)
            type(name, typed);
        press("BevelButton1");
    }

    fw::Listbox *list() const { return control<fw::Listbox>("ListeVendeurs"); }
    QStringList row(int r) const { return FormDriver::row("ListeVendeurs", r); }
};

// Writes the journal's coupon lines under an earlier day's header and the
// rate file: what the cash desk reloads when it opens.
inline void writeDeskFiles(const DataFolder &folder, const QByteArray &journalLines = {},
                           const QByteArray &rateFile = "0.12\n")
{
    folder.write(kJournal, kEarlierHeader + journalLines);
    folder.write(QStringLiteral("ValComm.txt"), rateFile);
}

// The cash desk, as the cashier uses it. Creating it runs the opening on the
// data folder as it stands.
class CashDesk : public FormDriver<Window1>
{
public:
    CashDesk() : FormDriver(Window1::instance()) {}

    // Types a coupon and an amount and presses "Ajouter".
    void record(const QString &coupon, const QString &amount) const
    {
        type("EntryCoupon", coupon);
        type("ValeurCoupon", amount);
        press("BevelButton1");
    }

    // Selects a row (-1: none) and presses "Effacer".
    void cancel(int row) const
    {
        coupons()->SetListIndex(row);
        press("BevelButton3");
    }

    // A row as "Ajouter" leaves it, texts as typed.
    void addRow(const QStringList &cells) const
    {
        coupons()->AppendRows({cells});
    }

    fw::Listbox *coupons() const { return control<fw::Listbox>("ReferenceBox"); }
    QStringList row(int r) const { return FormDriver::row("ReferenceBox", r); }
    QString total() const { return text("ShowTotal"); }
    QString commission() const { return text("ShowComm"); }
};
