#include "scene/scenetext.h"

#include "base/inifile.h"
#include "base/numbers.h"
#include "scene/items.h"

#include <QLocale>
#include <QStringTokenizer>
#include <algorithm>
#include <array>
#include <cmath>

TPropList::TPropList(const TPropList& other) {
    for (const TEntry& entry : other.entries_)
        Add(entry.Key, entry.Value);
}

TPropList& TPropList::operator=(const TPropList& other) {
    if (this != &other)
        *this = TPropList(other);
    return *this;
}

void TPropList::Add(QStringView key, QStringView value) {
    copies_.push_back(key.toString());
    const QStringView keyCopy = copies_.back();
    copies_.push_back(value.toString());
    AddView(keyCopy, copies_.back());
}

void TPropList::AddView(QStringView key, QStringView value) {
    entries_.push_back({key, value});
}

void TPropList::Clear() {
    entries_.clear();
    copies_.clear();
}

// Keys and names are almost always ASCII, where two different characters are
// equal only as the two cases of one letter; any other character is left to
// Qt's full comparison. Each shape looks up a dozen keys and its styles by
// name, so this is among the hottest code of reading.
bool SameTextIgnoringCase(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80)
            return a.compare(b, Qt::CaseInsensitive) == 0;
        const char16_t lower = x | 0x20;
        if (lower != (y | 0x20) || lower < u'a' || lower > u'z')
            return false;
    }
    return true;
}

namespace {

// Whether two texts can be equal ignoring case, decided from their sizes and
// first characters: most keys of a tag fail here, without a call.
bool MayBeSameText(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return false;
    if (a.isEmpty())
        return true;
    const char16_t x = a.front().unicode();
    const char16_t y = b.front().unicode();
    return x >= 0x80 || y >= 0x80 || (x | 0x20) == (y | 0x20);
}

} // namespace

QStringView TPropList::Value(QStringView key) const {
    for (const TEntry& entry : entries_)
        if (MayBeSameText(key, entry.Key) && SameTextIgnoringCase(key, entry.Key))
            return entry.Value;
    return {};
}

namespace {

// What a character is to the scanner: a blank between words, or a character
// of a key or keyword. Every character of a tag is classified, so it is one
// look-up in a table.
enum : uint8_t { ccSeparator = 1, ccWord = 2 };

constexpr std::array<uint8_t, 128> CharClasses = [] {
    std::array<uint8_t, 128> classes{};
    classes[' '] = classes['\r'] = classes['\n'] = ccSeparator;
    for (int c = 'A'; c <= 'Z'; ++c)
        classes[static_cast<size_t>(c)] = classes[static_cast<size_t>(c) - 'A' + 'a'] = ccWord;
    classes['_'] = ccWord;
    return classes;
}();

bool HasClass(QChar c, uint8_t charClass) {
    const char16_t u = c.unicode();
    return u < CharClasses.size() && (CharClasses[u] & charClass) != 0;
}

bool IsSeparator(QChar c) {
    return HasClass(c, ccSeparator);
}

bool IsWordChar(QChar c) {
    return HasClass(c, ccWord);
}

// The scanner of one scene text. Pos is the next character to look at. The
// keyword, the property list and the text of a quoted value are kept for the
// whole scan and refilled for each tag, so that a tag costs no allocations.
class TSceneScanner {
public:
    explicit TSceneScanner(QStringView text) : text_(text) {}

    void Run(TSamlineList& list) {
        qsizetype from = 0;
        while (true) {
            const qsizetype open = text_.indexOf(u'<', from);
            if (open < 0)
                return;
            pos_ = open + 1;
            keyword_.resize(0);
            props_.Clear();
            ReadTag();
            if (!keyword_.isEmpty() && list.OnCreateItem) {
                if (TSamline* item = list.OnCreateItem(keyword_)) {
                    item->ReadProps(props_);
                    list.Add(item);
                }
            }
            // The character that ended the tag is never the start of a new one.
            from = pos_ + 1;
        }
    }

private:
    void ReadTag() {
        const qsizetype size = text_.size();
        while (true) {
            while (pos_ < size && IsSeparator(text_[pos_]))
                ++pos_;
            const qsizetype start = pos_;
            while (pos_ < size && IsWordChar(text_[pos_]))
                ++pos_;
            if (pos_ == start)
                return;
            const QStringView word = text_.sliced(start, pos_ - start);
            if (pos_ < size && text_[pos_] == u'=') {
                const QStringView value = ReadValue();
                // A value with doubled quotes undone lies in the scanner's
                // buffer, which the next such value overwrites.
                if (value.isEmpty())
                    continue;
                if (value.data() == quoted_.constData())
                    props_.Add(word, value);
                else
                    props_.AddView(word, value);
            } else if (keyword_.isEmpty()) {
                // Words hold only ASCII letters and "_", so upper-casing them
                // is plain ASCII.
                keyword_.resize(word.size());
                std::transform(word.begin(), word.end(), keyword_.begin(), [](QChar c) {
                    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - (u'a' - u'A')) : c;
                });
            }
        }
    }

    // Reads the value after the "=" the scanner stands on. The value is a
    // slice of the text, or of the scanner's own buffer when doubled quotes
    // had to be undone; it is valid until the next value is read.
    QStringView ReadValue() {
        const qsizetype size = text_.size();
        const qsizetype first = pos_ + 1;
        if (first < size && text_[first] == u'"') {
            quoted_.resize(0);
            qsizetype from = first + 1;
            while (true) {
                const qsizetype quote = text_.indexOf(u'"', from);
                if (quote < 0) {
                    pos_ = size;
                    return Quoted(from, size);
                }
                if (quote + 1 < size && text_[quote + 1] == u'"') {
                    quoted_ += text_.sliced(from, quote + 1 - from);
                    from = quote + 2;
                    continue;
                }
                pos_ = quote + 1;
                return Quoted(from, quote);
            }
        }
        for (qsizetype i = first; i < size; ++i) {
            const QChar c = text_[i];
            if (IsSeparator(c) || c == u'>') {
                pos_ = i;
                return text_.sliced(first, i - first);
            }
        }
        // A value that runs into the end of the text has no delimiter and is
        // dropped.
        pos_ = size;
        return {};
    }

    // A quoted value ending with the text from..end: a plain slice of the
    // text when no doubled quote came before.
    QStringView Quoted(qsizetype from, qsizetype end) {
        if (quoted_.isEmpty())
            return text_.sliced(from, end - from);
        quoted_ += text_.sliced(from, end - from);
        return quoted_;
    }

    QStringView text_;
    qsizetype pos_ = 0;
    QString keyword_;
    TPropList props_;
    QString quoted_;
};

struct TNamedColor {
    const char16_t* Name;
    TColor Value;
};

// The sixteen colour names; values with red in the low byte.
constexpr TNamedColor ColorNames[] = {
    {u"black", 0x000000},  {u"maroon", 0x000080},  {u"green", 0x008000}, {u"olive", 0x008080},
    {u"navy", 0x800000},   {u"purple", 0x800080},  {u"teal", 0x808000},  {u"gray", 0x808080},
    {u"silver", 0xC0C0C0}, {u"red", 0x0000FF},     {u"lime", 0x00FF00},  {u"yellow", 0x00FFFF},
    {u"blue", 0xFF0000},   {u"fuchsia", 0xFF00FF}, {u"aqua", 0xFFFF00},  {u"white", 0xFFFFFF},
};

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

QLocale WritingLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

void ParseScene(TSamlineList& list, QStringView text) {
    TSceneScanner(text).Run(list);
}

bool ReadStringProp(const TPropList& props, QStringView key, QString& target) {
    target = props.Value(key).toString();
    return !target.isEmpty();
}

bool ReadIntProp(const TPropList& props, QStringView key, int32_t& target) {
    const auto value = ParseInteger(props.Value(key));
    if (!value)
        return false;
    target = *value;
    return true;
}

bool ReadFloatProp(const TPropList& props, QStringView key, float& target) {
    return TextToFloat(props.Value(key).toString(), target);
}

bool ReadColorProp(const TPropList& props, QStringView key, TColor& target) {
    return TextToColor(props.Value(key).toString(), target);
}

void WriteRawProp(QString& text, QStringView key, QStringView value) {
    text += u' ';
    text += key;
    text += u'=';
    text += value;
}

void WriteStringProp(QString& text, QStringView key, const QString& value) {
    WriteRawProp(text, key, QuotedIfNeeded(value));
}

void WriteIntProp(QString& text, QStringView key, int64_t value) {
    WriteRawProp(text, key, QString::number(value));
}

void WriteFloatProp(QString& text, QStringView key, float value) {
    WriteRawProp(text, key, FloatToText(value));
}

void WriteColorProp(QString& text, QStringView key, TColor value) {
    WriteRawProp(text, key, ColorToText(value));
}

bool TextToFloat(const QString& text, float& value) {
    if (text.isEmpty())
        return false;
    // A group separator never changes a value: under a German locale "1.234"
    // is one and a bit, not a thousand.
    const auto reading = [](QLocale locale) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        return locale;
    };
    bool ok = false;
    double number = reading(QLocale()).toDouble(text, &ok);
    if (!ok)
        number = reading(QLocale::c()).toDouble(text, &ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > 3.0e38)
        return false;
    value = static_cast<float>(number);
    return true;
}

QString FloatToText(float value) {
    // Seven significant digits are what a 32-bit float holds.
    return WritingLocale().toString(static_cast<double>(value), 'g', 7);
}

bool TextToColor(const QString& text, TColor& color) {
    if (text.size() == 7 && text[0] == u'#') {
        TColor rgb = 0;
        for (int i = 1; i < 7; ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0)
                return false;
            rgb = rgb << 4 | static_cast<TColor>(digit);
        }
        // #RRGGBB holds red first; the colour keeps red in the low byte.
        color = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
        return true;
    }
    const QString lower = text.toLower();
    for (const TNamedColor& named : ColorNames) {
        if (lower == QStringView(named.Name)) {
            color = named.Value;
            return true;
        }
    }
    return false;
}

QString ColorToText(TColor color) {
    color &= 0xFFFFFF;
    for (const TNamedColor& named : ColorNames)
        if (named.Value == color)
            return QString::fromUtf16(named.Name);
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QChar(u'0'))
        .arg(color >> 8 & 0xFF, 2, 16, QChar(u'0'))
        .arg(color >> 16 & 0xFF, 2, 16, QChar(u'0'))
        .toUpper();
}

void SplitWords(QStringView text, TStyleWords& words) {
    for (QStringView word : QStringTokenizer(text, u',')) {
        if (word.isEmpty())
            return;
        words.append(word);
    }
}

bool HasWord(const TStyleWords& words, QStringView word) {
    return std::any_of(words.begin(), words.end(),
                       [&](QStringView known) { return SameTextIgnoringCase(known, word); });
}

QString JoinWords(const QStringList& words) {
    QString text = words.join(u',');
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    return text.mid(blanks);
}

namespace {

// One coordinate of a point list: relative to the previous point's when it
// has two or more characters and starts with a sign.
int32_t PointCoordinate(QStringView text, int32_t previous) {
    const int64_t number = ParseInteger(text).value_or(0);
    const bool relative = text.size() >= 2 && (text[0] == u'+' || text[0] == u'-');
    return relative ? ClampToInt32(previous + number) : static_cast<int32_t>(number);
}

} // namespace

std::vector<QPoint> TextToPoints(QStringView text) {
    const qsizetype size = text.size();
    // Each ":" but one in the last place starts a point: counted first, the
    // list is allocated once.
    size_t colons = 0;
    for (const QChar c : text)
        colons += c == u':';
    std::vector<QPoint> points;
    points.reserve(colons);
    QPoint previous(0, 0);
    qsizetype pos = 0;
    while (true) {
        qsizetype colon = pos;
        while (colon < size && text[colon] != u':')
            ++colon;
        // A ":" in the last position starts no pair.
        if (colon >= size - 1)
            return points;
        qsizetype comma = colon + 1;
        while (comma < size && text[comma] != u',')
            ++comma;
        const int32_t x = PointCoordinate(text.sliced(pos, colon - pos), previous.x());
        const int32_t y = PointCoordinate(text.sliced(colon + 1, comma - colon - 1), previous.y());
        previous = QPoint(x, y);
        points.push_back(previous);
        pos = comma + 1;
        if (pos >= size)
            return points;
    }
}

QString PointsToText(const std::vector<QPoint>& points) {
    QString text;
    for (const QPoint& p : points) {
        if (!text.isEmpty())
            text += u',';
        text += QString::number(p.x());
        text += u':';
        text += QString::number(p.y());
    }
    return text;
}

QString QuotedIfNeeded(const QString& value) {
    bool needed = false;
    for (QChar c : value) {
        if (c.unicode() <= 32 || c == u'"' || c == u'<' || c == u'>') {
            needed = true;
            break;
        }
    }
    if (!needed)
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
