#include "amount.h"

#include "framework/text.h"

namespace app {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The end of the digits of `text` from `i`.
qsizetype digitsEnd(const QString &text, qsizetype i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

} // namespace

std::optional<TypedAmount> ReadTypedAmount(const QString &typed)
{
    // Only ASCII digits: Val reads no other, so "１２" would be recorded as 0.
    QString text = typed.trimmed();
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype wholeStart = i;
    i = digitsEnd(text, i);
    const bool whole = i > wholeStart;
    if (i < text.size() && (text[i] == u'.' || text[i] == u',')) {
        const bool comma = text[i] == u',';
        const qsizetype fractionStart = ++i;
        i = digitsEnd(text, i);
        const bool fraction = i > fractionStart;
        // "12." and ".5" are numbers as the seller sheet always took them;
        // a comma needs digits on both sides, "12," or ",50" being a slip.
        if (comma ? !(whole && fraction) : !(whole || fraction))
            return std::nullopt;
        if (comma)
            text[fractionStart - 1] = u'.';
    } else if (!whole) {
        return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return TypedAmount{text, fw::Val(text)};
}

} // namespace app
