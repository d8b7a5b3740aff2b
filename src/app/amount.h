#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

// Amounts of money: what a file holds, what the cashier and the organiser
// type, the sums, the commission and the figures of a seller.
namespace app {

// An amount in whole millionths, so that sums are exact: 45 sales of 0.10
// make 4.50, not the 4.499999999999999 of binary sums. Amounts typed with
// three decimals or more are in the files, and count as written.
//
// It holds every amount from -999999999999.99 to 999999999999.99, far beyond
// any fair. What lies beyond is no amount: a file's amount counts 0, as a text
// that is no number does; a typed amount is refused; an amount that would
// take a sum there is left out of it. Only the commission and the net, which
// follow from amounts and a rate, stop at the bounds.
class Amount
{
public:
    static constexpr std::int64_t kMaxMillionths = 999'999'999'999'990'000;

    constexpr Amount() = default;

    // Nothing beyond the bounds.
    static constexpr std::optional<Amount> FromMillionths(std::int64_t millionths)
    {
        if (millionths > kMaxMillionths || millionths < -kMaxMillionths)
            return std::nullopt;
        return Amount(millionths);
    }
    // The decimal a Double stands for (fw::DecimalOf), to the nearest
    // millionth, an exact half away from zero. Nothing for a Double that is
    // no finite number or beyond the bounds.
    static std::optional<Amount> FromValue(double value);
    // The number Val reads at the start of a text ("12,50" is 12, "abc" is 0),
    // as FromValue takes it: what an amount written into a file stands for.
    static std::optional<Amount> FromText(QStringView text);
    // At the bound on its side when beyond.
    static constexpr Amount Clamped(std::int64_t millionths)
    {
        return Amount(millionths > kMaxMillionths    ? kMaxMillionths
                      : millionths < -kMaxMillionths ? -kMaxMillionths
                                                     : millionths);
    }

    constexpr std::int64_t Millionths() const { return m_millionths; }
    // The nearest Double.
    double Value() const;
    // Str of Value(): the shortest text Val reads back as it ("12.1", "0.3").
    QString Text() const;
    // The amount format "-####.00", rounded half away from zero, never "-0.00".
    QString Formatted() const;
    // To the cent as Formatted() shows it: 10.005 is 10.01.
    Amount Cents() const;

    // Exact; nothing when the result is beyond the bounds.
    std::optional<Amount> Plus(Amount other) const { return FromMillionths(m_millionths + other.m_millionths); }
    std::optional<Amount> Minus(Amount other) const { return FromMillionths(m_millionths - other.m_millionths); }

    friend constexpr auto operator<=>(const Amount &, const Amount &) = default;

private:
    constexpr explicit Amount(std::int64_t millionths) : m_millionths(millionths) {}
    std::int64_t m_millionths = 0;
};

// A sum of amounts, exact. An amount that would take it beyond the bounds of
// an Amount counts 0, so that one such line does not take every other out of
// the sum.
class AmountSum
{
public:
    void add(Amount amount) { m_sum = m_sum.Plus(amount).value_or(m_sum); }
    Amount value() const { return m_sum; }

private:
    Amount m_sum;
};

// An amount typed into a field, read as a number.
struct TypedAmount {
    // What goes into a file: the typed text without the blanks around it,
    // a decimal comma as the point (" 12,50 " gives "12.50"), a sign kept.
    QString text;
    // What `text` stands for in a file (Amount::FromText); nothing when it is
    // beyond the bounds of an Amount.
    std::optional<Amount> value;
};

// Blanks and pasted line ends around it dropped, then an optional "+" or "-"
// and the digits 0-9 with one decimal point ("12.50", "12.", ".5") or one
// decimal comma with digits on both sides ("12,50"). Nothing for any other
// text: empty, "abc", "1O", "€5", "12 €", "5 50", "1e3", "1,234.50", "2;50".
std::optional<TypedAmount> ReadTypedAmount(const QString &typed);

} // namespace app
