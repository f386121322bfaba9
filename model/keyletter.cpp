#include "keyletter.h"

#include <iterator>
#include <optional>

namespace {

// The Russian layout's letter keys, row by row, and the Latin layout's.
constexpr char16_t Russian[] = u"йцукенгшщзхъфывапролджэячсмитьбю";
constexpr char Latin[] = "qwertyuiop[]asdfghjkl;'zxcvbnm,.";
static_assert(std::size(Russian) == std::size(Latin));

// The key's place in the rows, or none for a character of no letter key.
std::optional<size_t> RussianKey(QChar lower) {
    for (size_t i = 0; i + 1 < std::size(Russian); ++i)
        if (lower == QChar(Russian[i]))
            return i;
    return std::nullopt;
}

QChar InCase(QChar letter, QChar like) {
    return like == like.toLower() ? letter : letter.toUpper();
}

} // namespace

QChar KeyLetter(QChar typed) {
    const std::optional<size_t> key = RussianKey(typed.toLower());
    return key ? InCase(QLatin1Char(Latin[*key]), typed) : typed;
}

QChar KeyTwin(QChar typed) {
    if (RussianKey(typed.toLower()))
        return KeyLetter(typed);
    const QChar lower = typed.toLower();
    for (size_t i = 0; i + 1 < std::size(Latin); ++i)
        if (lower == QLatin1Char(Latin[i]) && lower.isLetter())
            return InCase(QChar(Russian[i]), typed);
    return typed;
}
