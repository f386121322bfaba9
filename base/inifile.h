#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class TIniFile;

// A section of a file, found once so that its keys are read one after
// another without looking the section up again. It refers to its file, which
// must outlive it. A section the file lacks reads every key as missing.
class TIniSection {
public:
    // The name as it was asked for.
    const QString& Name() const { return name_; }
    QString ReadString(const QString& key, const QString& def) const;
    // A decimal integer within 32 bits; anything else gives the default.
    int32_t ReadInteger(const QString& key, int32_t def) const;

private:
    friend class TIniFile;
    TIniSection(const TIniFile& ini, int index, const QString& name)
        : ini_(&ini), index_(index), name_(name) {}
    std::optional<QStringView> Find(const QString& key) const;

    const TIniFile* ini_;
    int index_; // into the file's sections, or -1 when it has none of the name
    QString name_;
};

// A reader of Windows-style initialisation files with the rules the game's
// data files were written for: sections listed in file order (duplicates
// too), section and key names matched ignoring case with the first match
// winning, values trimmed and unquoted, Windows-1251 text unless a byte-order
// mark says otherwise. A missing file reads as an empty one. Reading changes
// nothing, so a file may be read from several threads at once.
class TIniFile {
public:
    TIniFile() = default;
    // Reads the whole file; a file that cannot be opened reads as empty.
    explicit TIniFile(const QString& path);
    static TIniFile FromBytes(const QByteArray& bytes);

    QStringList SectionNames() const;
    // The first section of the name.
    TIniSection Section(const QString& name) const;

private:
    friend class TIniSection;
    // A folded section or key name: a part of names_.
    struct TName {
        qsizetype Start = 0;
        qsizetype Size = 0;
    };
    struct TEntry {
        TName Key;
        qsizetype ValueStart = 0; // the trimmed value: a part of text_
        qsizetype ValueSize = 0;
    };
    struct TSection {
        QString Name;
        std::vector<TEntry> Entries; // sorted by key, only the first of a key
    };
    struct TSectionName {
        TName Name;
        int Index = 0;
    };

    void Parse(const QByteArray& bytes);
    TName AddFoldedName(QStringView name);
    QStringView NameText(TName name) const {
        return QStringView(names_).mid(name.Start, name.Size);
    }

    QString text_;  // the decoded file; values are read from it
    QString names_; // every folded section and key name, one after another
    std::vector<TSection> sections_;
    std::vector<TSectionName> firstSections_; // sorted by name, each the first of its name
};

// One record per section of the file, in file order, each filled by
// read(record, section).
template <typename TRecord, typename TReader>
std::vector<TRecord> ReadSections(const TIniFile& ini, TReader read) {
    std::vector<TRecord> records;
    for (const QString& name : ini.SectionNames()) {
        TRecord record;
        read(record, ini.Section(name));
        records.push_back(std::move(record));
    }
    return records;
}

// An optional sign and decimal digits, the whole text, within 32 bits.
std::optional<int32_t> ParseInteger(QStringView text);

// Text of the data files: UTF-8 or UTF-16 when a byte-order mark says so,
// else Windows-1251.
QString DecodeDataText(const QByteArray& bytes);
