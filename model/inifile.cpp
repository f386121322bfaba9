#include "inifile.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {

bool IsAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

char16_t FoldAscii(QChar c) {
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u - u'A' + u'a') : u;
}

// The trimmed, case-folded form of a section or key name. The data files'
// names are short ASCII words: those are folded without the Unicode tables,
// into the one new string.
QString Folded(QStringView name) {
    name = name.trimmed();
    if (!IsAscii(name))
        return name.toString().toCaseFolded();
    QString folded(name.size(), Qt::Uninitialized);
    std::transform(name.begin(), name.end(), folded.begin(), FoldAscii);
    return folded;
}

// Looks a name up by its trimmed, case-folded form. The catalogues' section
// and key names are short ASCII words, looked up once per record and key:
// those are folded on the stack instead of into new strings.
template <typename T> auto FindFolded(const QHash<QString, T>& hash, const QString& name) {
    constexpr qsizetype MaxShort = 64;
    const QStringView trimmed = QStringView(name).trimmed();
    if (trimmed.size() > MaxShort || !IsAscii(trimmed))
        return hash.constFind(Folded(trimmed));
    char16_t folded[MaxShort];
    std::transform(trimmed.begin(), trimmed.end(), folded, FoldAscii);
    return hash.constFind(
        QString::fromRawData(reinterpret_cast<const QChar*>(folded), trimmed.size()));
}

QString Unquoted(QString value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

QString DecodeDataText(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
        bytes.startsWith("\xFE\xFF")) {
        auto encoding = QStringConverter::encodingForData(bytes);
        QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
        return decoder.decode(bytes);
    }
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

std::optional<int32_t> ParseInteger(QStringView text) {
    text = text.trimmed();
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

void TIniFile::Parse(const QByteArray& bytes) {
    const QString text = DecodeDataText(bytes);
    TSection* current = nullptr;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        // Lines end at CR, LF or both; a lone CR also ends a line.
        for (QStringView part : QStringTokenizer(line, u'\r', Qt::SkipEmptyParts)) {
            part = part.trimmed();
            if (part.isEmpty())
                continue;
            if (part.front() == u'[') {
                const qsizetype close = part.lastIndexOf(u']');
                if (close > 0) {
                    const QStringView name = part.mid(1, close - 1).trimmed();
                    const QString folded = Folded(name);
                    if (!firstSection_.contains(folded))
                        firstSection_.insert(folded, static_cast<int>(sections_.size()));
                    sections_.push_back({name.toString(), {}});
                    current = &sections_.back();
                    continue;
                }
            }
            if (!current)
                continue; // keys before the first section belong to no section
            const qsizetype eq = part.indexOf(u'=');
            const QString key = Folded(eq < 0 ? part : part.left(eq));
            if (!current->Values.contains(key))
                current->Values.insert(key,
                                       eq < 0 ? QString() : part.mid(eq + 1).trimmed().toString());
        }
    }
}

QStringList TIniFile::SectionNames() const {
    QStringList names;
    names.reserve(static_cast<qsizetype>(sections_.size()));
    for (const TSection& s : sections_)
        names << s.Name;
    return names;
}

const QString* TIniFile::Find(const QString& section, const QString& key) const {
    if (!lastKnown_ || section != lastSection_) {
        const auto s = FindFolded(firstSection_, section);
        lastIndex_ = s == firstSection_.cend() ? -1 : *s;
        lastSection_ = section;
        lastKnown_ = true;
    }
    if (lastIndex_ < 0)
        return nullptr;
    const auto& values = sections_[static_cast<size_t>(lastIndex_)].Values;
    const auto v = FindFolded(values, key);
    return v == values.cend() ? nullptr : &*v;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const QString* value = Find(section, key);
    return value ? Unquoted(*value) : def;
}

int32_t TIniFile::ReadInteger(const QString& section, const QString& key, int32_t def) const {
    const QString* value = Find(section, key);
    if (!value)
        return def;
    return ParseInteger(Unquoted(*value)).value_or(def);
}
