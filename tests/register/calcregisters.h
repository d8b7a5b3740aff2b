#pragma once

// A register saved by LibreOffice Calc, byte for byte: three sellers, Alice
// Dupré (1 to 50), Bob (51 to 60) and Dupont Jean (61 to 70), written by the
// program, opened in Calc and saved back as text CSV.

#include <QByteArray>

// A French-locale save: ";" between fields, text cells quoted.
inline const QByteArray kCalcSemicolons =
    "\"Alice Dupré\";1;\"Rue Haute 5\";4000;\"Liège\";1;50;2;1\n"
    "\"Bob\";2;\"Place 3\";5000;\"Namur\";51;60;0;0\n"
    "\"Dupont Jean\";3;\"Quai 2\";6000;\"Charleroi\";61;70;0;0\n";

// Every cell quoted (cells kept as text).
inline const QByteArray kCalcAllQuoted =
    "\"Alice Dupré\",\"1\",\"Rue Haute 5\",\"4000\",\"Liège\",\"1\",\"50\",\"2\",\"1\"\n"
    "\"Bob\",\"2\",\"Place 3\",\"5000\",\"Namur\",\"51\",\"60\",\"0\",\"0\"\n"
    "\"Dupont Jean\",\"3\",\"Quai 2\",\"6000\",\"Charleroi\",\"61\",\"70\",\"0\",\"0\"\n";

// The default save, text cells quoted, of a register whose last seller is
// "Dupont, Jean".
inline const QByteArray kCalcQuotedComma =
    "\"Alice Dupré\",1,\"Rue Haute 5\",4000,\"Liège\",1,50,2,1\n"
    "\"Bob\",2,\"Place 3\",5000,\"Namur\",51,60,0,0\n"
    "\"Dupont, Jean\",3,\"Quai 2\",6000,\"Charleroi\",61,70,0,0\n";

// The default save of Alice and Bob with an empty row between them.
inline const QByteArray kCalcEmptyRows =
    "\"Alice Dupré\",1,\"Rue Haute 5\",4000,\"Liège\",1,50,2,1\n"
    ",,,,,,,,\n"
    "\"Bob\",2,\"Place 3\",5000,\"Namur\",51,60,0,0\n";

// Every cell quoted, with a row between Alice and Bob whose cells hold empty
// text rather than nothing.
inline const QByteArray kCalcEmptyTextRow =
    "\"Alice Dupré\",\"1\",\"Rue Haute 5\",\"4000\",\"Liège\",\"1\",\"50\",\"2\",\"1\"\n"
    "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n"
    "\"Bob\",\"2\",\"Place 3\",\"5000\",\"Namur\",\"51\",\"60\",\"0\",\"0\"\n";

// The save of every cell quoted as Calc on Windows writes it when asked for a
// byte order mark: the mark before the first quote, and "\r\n" line ends.
inline QByteArray withMarkAndWindowsLineEnds(QByteArray saved)
{
    return "\xef\xbb\xbf" + saved.replace("\n", "\r\n");
}
