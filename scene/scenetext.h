#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>
#include <cstdint>
#include <utility>
#include <vector>

class TSamlineList;

// A colour as the scene files and the drawing code keep it: red in bits 0-7,
// green in bits 8-15, blue in bits 16-23.
using TColor = uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

// The properties of one tag, in the order written. Only non-empty values are
// kept; a key is looked up ignoring letter case and the first entry wins.
class TPropList {
public:
    TPropList() = default;
    // A copy holds copies of every key and value, so it outlives the texts
    // the original's views point into.
    TPropList(const TPropList& other);
    TPropList& operator=(const TPropList& other);
    TPropList(TPropList&&) = default;
    TPropList& operator=(TPropList&&) = default;

    // Adds a copy of the key and the value.
    void Add(QStringView key, QStringView value);
    void Add(const QString& key, const QString& value) {
        Add(QStringView(key), QStringView(value));
    }
    // Adds the key and the value as they are, without a copy: their texts
    // must stay unchanged until the list is cleared. The reader of a scene
    // text adds slices of that text, so reading a tag copies nothing.
    void AddView(QStringView key, QStringView value);
    void Clear();
    bool IsEmpty() const { return entries_.empty(); }
    // The value of the first entry with the key; the empty text when missing.
    // It stays valid until the list is cleared.
    QStringView Value(QStringView key) const;

private:
    struct TEntry {
        QStringView Key;
        QStringView Value;
    };
    std::vector<TEntry> entries_;
    // The copies made by Add. A text's characters stay in place when the
    // list of texts grows.
    std::vector<QString> copies_;
};

// Whether two texts are equal ignoring letter case, as keys and names of a
// scene are compared.
bool SameTextIgnoringCase(QStringView a, QStringView b);

// Reads a whole scene text: every tag whose keyword the list's OnCreateItem
// turns into an item makes that item read the tag's properties, and the item
// is appended to the list in text order. Reading never fails.
void ParseScene(TSamlineList& list, QStringView text);

// Typed readers. The text reader always assigns (the empty text when the key
// is missing) and says whether the value is not empty; the others change the
// target only when the key is present and its value decodes.
bool ReadStringProp(const TPropList& props, QStringView key, QString& target);
bool ReadIntProp(const TPropList& props, QStringView key, int32_t& target);
bool ReadFloatProp(const TPropList& props, QStringView key, float& target);
bool ReadColorProp(const TPropList& props, QStringView key, TColor& target);

// Typed writers: each appends a blank, the key, "=" and the value's text.
void WriteRawProp(QString& text, QStringView key, QStringView value);
void WriteStringProp(QString& text, QStringView key, const QString& value);
void WriteIntProp(QString& text, QStringView key, int64_t value);
void WriteFloatProp(QString& text, QStringView key, float value);
void WriteColorProp(QString& text, QStringView key, TColor value);

// A scene float in the current locale's form, or with "." when that fails.
// Non-finite numbers do not decode.
bool TextToFloat(const QString& text, float& value);
QString FloatToText(float value);

// "#RRGGBB" or one of the sixteen colour names.
bool TextToColor(const QString& text, TColor& color);
QString ColorToText(TColor color);

// Word lists: words cut at ",", ending at the first empty word.
// The words of a style value, as slices of it.
using TStyleWords = QVarLengthArray<QStringView, 8>;
void SplitWords(QStringView text, TStyleWords& words);
// Whether the words hold the word, ignoring letter case.
bool HasWord(const TStyleWords& words, QStringView word);
QString JoinWords(const QStringList& words);

// Point lists: "X:Y" pairs joined by ","; a coordinate of two or more
// characters starting with "+" or "-" is relative to the previous point.
// Only pairs actually present become points.
std::vector<QPoint> TextToPoints(QStringView text);
QString PointsToText(const std::vector<QPoint>& points);

// A value in the form written into a scene text: quoted, with inner quotes
// doubled, when it holds a control character, a blank, a quote, "<" or ">".
QString QuotedIfNeeded(const QString& value);
