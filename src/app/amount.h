#pragma once

#include <QString>
#include <optional>

// Amounts of money as the cashier and the organiser type them. The cash desk
// and the seller sheet read a typed amount by this one rule, so that a text
// one of them takes as a number the other takes as the same number.
namespace app {

// An amount typed into a field, read as a number.
struct TypedAmount {
    // What goes into a file: the typed text without the blanks around it,
    // a decimal comma as the point (" 12,50 " gives "12.50"), a sign kept.
    QString text;
    // The number, as Val reads `text`. Digits beyond any Double read as an
    // infinity: whoever keeps the amount decides what that is worth.
    double value = 0;
};

// Blanks and pasted line ends around it dropped, then an optional "+" or "-"
// and the digits 0-9 with one decimal point ("12.50", "12.", ".5") or one
// decimal comma with digits on both sides ("12,50"). Nothing for any other
// text: empty, "abc", "1O", "€5", "12 €", "5 50", "1e3", "1,234.50", "2;50".
std::optional<TypedAmount> ReadTypedAmount(const QString &typed);

} // namespace app
