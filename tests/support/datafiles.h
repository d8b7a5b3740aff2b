#pragma once

// The data files the tests write and read, and files that fail.

#include "testsupport.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

inline const QString kRegister = QStringLiteral("ListeVendeurs.csv");
inline const QString kIndex = QStringLiteral("couponsvendeurs.csv");
inline const QString kJournal = QStringLiteral("QVOB2026_main.csv");

// A journal header of an earlier day of the year than the fixed today, 7/3/2026.
inline const QByteArray kEarlierHeader =
    "Bourse QVO du 1/3/2026\nNuméro de coupon,Valeur encaissée,Vendeur,code vendeur\n";
// The header the cash desk writes today.
inline const QStringList kTodayHeader{QStringLiteral("Bourse QVO du 7/3/2026"),
                                      QStringLiteral("Numéro de coupon,Valeur encaissée,Vendeur,code vendeur")};

// Puts a folder in the place of a file, even one that is there already: it can
// then be neither read nor written, by root either. True when a file was there.
inline bool blockNow(const DataFolder &folder, const QString &name)
{
    const bool removed = QFile::remove(folder.path(name));
    folder.block(name);
    return removed;
}

// Makes a file one that opens but whose writes never reach the disk; false
// where the system has no /dev/full.
inline bool diskFull(const DataFolder &folder, const QString &name)
{
    QFile::remove(folder.path(name));
    return QFile::exists("/dev/full") && QFile::link("/dev/full", folder.path(name));
}
