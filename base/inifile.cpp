#include "base/inifile.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Whether a character may be one that trimming removes: all of those are
// control characters, the blank, or beyond ASCII.
bool MayBeSpace(QChar c) {
    return c.unicode() <= u' ' || c.unicode() >= 0x80;
}

// The text without blanks at its ends. Names and values are rarely padded,
// so the blanks are looked for only at the ends before Qt's trimming is asked.
QStringView TrimmedIfPadded(QStringView text) {
    if (!text.isEmpty() && (MayBeSpace(text.front()) || MayBeSpace(text.back())))
        return text.trimmed();
    return text;
}

char16_t FoldAscii(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u - u'A' + u'a') : u;
}

// Room for the folded form of a name looked up. The data files' names are
// short ASCII words: those are folded here, on the stack, without the Unicode
// tables; any other name is folded into a string of its own. Folding every
// name with Qt's tables would add some four million instructions, a fifth of
// the simulator's whole start, to every start of the game.
class TFoldedName {
public:
    explicit TFoldedName(QStringView name) {
        name = TrimmedIfPadded(name);
        if (name.size() <= MaxShort) {
            // Folds and checks for ASCII in one pass.
            char16_t any = 0;
            for (qsizetype i = 0; i < name.size(); ++i) {
                any |= name[i].unicode();
                short_[i] = FoldAscii(name[i]);
            }
            if (any < 0x80) {
                view_ = QStringView(short_, name.size());
                return;
            }
        }
        spill_ = name.toString().toCaseFolded();
        view_ = spill_;
    }
    TFoldedName(const TFoldedName&) = delete;
    TFoldedName& operator=(const TFoldedName&) = delete;

    QStringView View() const { return view_; }

private:
    static constexpr qsizetype MaxShort = 64;
    char16_t short_[MaxShort];
    QString spill_;
    QStringView view_;
};

// The order of folded names in a lookup table: shorter first, then by their
// code units. Most names a lookup passes differ in length, and comparing the
// rest is a plain memory comparison.
int CompareNames(QStringView a, QStringView b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return std::char_traits<char16_t>::compare(a.utf16(), b.utf16(), static_cast<size_t>(a.size()));
}

// Sorts records by their folded names, keeping of each name only the record
// that came first.
template <typename T, typename TNameOf>
void SortKeepingFirst(std::vector<T>& records, TNameOf nameOf) {
    std::stable_sort(records.begin(), records.end(), [&](const T& a, const T& b) {
        return CompareNames(nameOf(a), nameOf(b)) < 0;
    });
    records.erase(std::unique(records.begin(), records.end(),
                              [&](const T& a, const T& b) {
                                  return CompareNames(nameOf(a), nameOf(b)) == 0;
                              }),
                  records.end());
}

// The record of a folded name in records sorted by SortKeepingFirst, or none.
template <typename T, typename TNameOf>
const T* FindSorted(const std::vector<T>& records, QStringView folded, TNameOf nameOf) {
    const auto found = std::lower_bound(
        records.begin(), records.end(), folded,
        [&](const T& record, QStringView name) { return CompareNames(nameOf(record), name) < 0; });
    return found != records.end() && CompareNames(nameOf(*found), folded) == 0 ? &*found : nullptr;
}

QStringView Unquoted(QStringView value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

// The characters of the bytes 0x80 to 0xFF in Windows-1251, as the system's
// converter decodes each; empty when the system has no such converter.
const std::vector<char16_t>& Windows1251UpperHalf() {
    static const std::vector<char16_t> table = [] {
        std::vector<char16_t> characters;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            QStringDecoder decoder("windows-1251");
            if (!decoder.isValid())
                return std::vector<char16_t>();
            const char c = static_cast<char>(byte);
            const QString decoded = decoder.decode(QByteArrayView(&c, 1));
            characters.push_back(decoded.size() == 1 ? decoded[0].unicode() : u'\uFFFD');
        }
        return characters;
    }();
    return table;
}

} // namespace

QString DecodeDataText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
        bytes.startsWith("\xFE\xFF")) {
        auto encoding = QStringConverter::encodingForData(bytes);
        QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
        return decoder.decode(bytes);
    }
    // Windows-1251 is one byte a character and ASCII below 0x80: the text is
    // widened as Latin-1 and the upper-half characters put right from the
    // table. The system's converter opens a converter of its own each time,
    // which made the window's start-up half as long again.
    QString text = QString::fromLatin1(bytes);
    const std::vector<char16_t>& upper = Windows1251UpperHalf();
    if (upper.empty())
        return text;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (data[i] >= 0x80)
            out[i] = QChar(upper[data[i] - 0x80]);
    return text;
}

std::optional<int32_t> ParseInteger(QStringView text) {
    text = TrimmedIfPadded(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > int64_t{1} << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

TIniFile::TIniFile(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Parse(file.readAll());
}

TIniFile TIniFile::FromBytes(const QByteArray& bytes) {
    TIniFile ini;
    ini.Parse(bytes);
    return ini;
}

TIniFile::TName TIniFile::AddFoldedName(QStringView name) {
    const TFoldedName folded(name);
    const TName added{names_.size(), folded.View().size()};
    names_.append(folded.View());
    return added;
}

void TIniFile::Parse(const QByteArray& bytes) {
    text_ = DecodeDataText(bytes);
    TSection* current = nullptr;
    for (QStringView line : QStringTokenizer(text_, u'\n')) {
        // Lines end at CR, LF or both; a lone CR also ends a line.
        for (QStringView part : QStringTokenizer(line, u'\r', Qt::SkipEmptyParts)) {
            part = part.trimmed();
            if (part.isEmpty())
                continue;
            if (part.front() == u'[') {
                const qsizetype close = part.lastIndexOf(u']');
                if (close > 0) {
                    const QStringView name = part.mid(1, close - 1).trimmed();
                    const int index = static_cast<int>(sections_.size());
                    firstSections_.push_back({AddFoldedName(name), index});
                    sections_.push_back({name.toString(), {}});
                    current = &sections_.back();
                    continue;
                }
            }
            if (!current)
                continue; // keys before the first section belong to no section
            const qsizetype eq = part.indexOf(u'=');
            const QStringView value = eq < 0 ? QStringView() : part.mid(eq + 1).trimmed();
            current->Entries.push_back({AddFoldedName(eq < 0 ? part : part.left(eq)),
                                        eq < 0 ? 0 : value.data() - text_.constData(),
                                        value.size()});
        }
    }
    const auto sectionName = [this](const TSectionName& s) { return NameText(s.Name); };
    SortKeepingFirst(firstSections_, sectionName);
    const auto key = [this](const TEntry& e) { return NameText(e.Key); };
    for (TSection& section : sections_)
        SortKeepingFirst(section.Entries, key);
}

QStringList TIniFile::SectionNames() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(sections_.size()));
    for (const TSection& s : sections_)
        names << s.Name;
    return names;
}

TIniSection TIniFile::Section(const QString& name) const {
    const TFoldedName folded(name);
    const TSectionName* found = FindSorted(
        firstSections_, folded.View(), [this](const TSectionName& s) { return NameText(s.Name); });
    return TIniSection(*this, found ? found->Index : -1, name);
}

std::optional<QStringView> TIniSection::Find(const QString& key) const {
    if (index_ < 0)
        return std::nullopt;
    const TFoldedName folded(key);
    const TIniFile& ini = *ini_;
    const TIniFile::TEntry* entry =
        FindSorted(ini.sections_[static_cast<size_t>(index_)].Entries, folded.View(),
                   [&ini](const TIniFile::TEntry& e) { return ini.NameText(e.Key); });
    if (!entry)
        return std::nullopt;
    return QStringView(ini.text_).mid(entry->ValueStart, entry->ValueSize);
}

QString TIniSection::ReadString(const QString& key, const QString& def) const {
    const std::optional<QStringView> value = Find(key);
    return value ? Unquoted(*value).toString() : def;
}

int32_t TIniSection::ReadInteger(const QString& key, int32_t def) const {
    const std::optional<QStringView> value = Find(key);
    if (!value)
        return def;
    return ParseInteger(Unquoted(*value)).value_or(def);
}
