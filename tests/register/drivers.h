#pragma once

// What the window tests share: driving a window as its user does, and data
// files that fail.

#include "testsupport.h"

#include "framework/controls.h"
#include "register/vendorfiles.h"

#include <QAbstractButton>
#include <QFile>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace drivers {

inline const QString kRegister = QStringLiteral("ListeVendeurs.csv");
inline const QString kIndex = QStringLiteral("couponsvendeurs.csv");
inline const QString kJournal = QStringLiteral("QVOB2026_main.csv");

// Reaches a window's controls by their design names.
template <class W>
class FormDriver
{
public:
    explicit FormDriver(W *window) : w(window) {}

    template <class T = fw::TextField>
    T *control(const char *name) const
    {
        T *c = w->template findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    QString text(const char *name) const { return control(name)->Text(); }
    // What typing gives: the text as typed, never put into a field's format.
    void type(const char *name, const QString &text) const { control(name)->setText(text); }
    void press(const char *name) const { control<QAbstractButton>(name)->click(); }

    QStringList row(const char *list, int r) const
    {
        auto *l = control<fw::Listbox>(list);
        QStringList cells;
        for (int c = 0; c < l->ColumnCount(); ++c)
            cells.append(l->Cell(r, c));
        return cells;
    }

    W *w;
};

// The register creation window, as the organiser uses it.
class VendorForm : public FormDriver<VendorFiles>
{
public:
    explicit VendorForm(VendorFiles *window = VendorFiles::instance()) : FormDriver(window) {}

    // Types the given fields over the proposed form and presses "Ajouter".
    void add(std::initializer_list<std::pair<const char *, QString>> fields) const
    {
        for (const auto &[name, text] : fields)
            type(name, text);
        press("BevelButton1");
    }

    fw::Listbox *list() const { return control<fw::Listbox>("ListeVendeurs"); }
    QStringList row(int r) const { return FormDriver::row("ListeVendeurs", r); }
};

// Puts a folder in the place of a file, even one that is there already: it can
// then be neither read nor written, by root either.
inline void blockNow(const DataFolder &folder, const QString &name)
{
    QFile::remove(folder.path(name));
    folder.block(name);
}

// Makes a file one that opens but whose writes never reach the disk; false
// where the system has no /dev/full.
inline bool diskFull(const DataFolder &folder, const QString &name)
{
    QFile::remove(folder.path(name));
    return QFile::exists("/dev/full") && QFile::link("/dev/full", folder.path(name));
}

} // namespace drivers
