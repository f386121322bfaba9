#include "keyletter.h"

#include <iterator>

QChar KeyLetter(QChar typed) {
    // The Russian layout's letter keys, row by row, and the Latin layout's.
    static constexpr char16_t Russian[] = u"йцукенгшщзхъфывапролджэячсмитьбю";
    static constexpr char Latin[] = "qwertyuiop[]asdfghjkl;'zxcvbnm,.";
    static_assert(std::size(Russian) == std::size(Latin));
    const QChar lower = typed.toLower();
    for (size_t i = 0; i + 1 < std::size(Russian); ++i)
        if (lower == QChar(Russian[i])) {
            const QChar latin = QLatin1Char(Latin[i]);
            return typed == lower ? latin : latin.toUpper();
        }
    return typed;
}
