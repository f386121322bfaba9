#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// A reader of Windows-style initialisation files with the rules the game's
// data files were written for: sections listed in file order (duplicates
// too), section and key names matched ignoring case with the first match
// winning, values trimmed and unquoted, Windows-1251 text unless a byte-order
// mark says otherwise. A missing file reads as an empty one. Reading
// remembers the last section looked up, so one file is read from one thread
// at a time.
class TIniFile {
public:
    TIniFile() = default;
    // Reads the whole file; a file that cannot be opened reads as empty.
    explicit TIniFile(const QString& path);
    static TIniFile FromBytes(const QByteArray& bytes);

    QStringList SectionNames() const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // A decimal integer within 32 bits; anything else gives the default.
    int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;

private:
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
    std::optional<QStringView> Find(const QString& section, const QString& key) const;

    QString text_;  // the decoded file; values are read from it
    QString names_; // every folded section and key name, one after another
    std::vector<TSection> sections_;
    std::vector<TSectionName> firstSections_; // sorted by name, each the first of its name
    // The section name of the last lookup, as given, and its index or -1: a
    // record's keys are read one after another from the same section.
    mutable QString lastSection_;
    mutable int lastIndex_ = -1;
    mutable bool lastKnown_ = false;
};

// One record per section of the file, in file order, each filled by
// read(record, ini, section).
template <typename TRecord, typename TReader>
std::vector<TRecord> ReadSections(const TIniFile& ini, TReader read) {
    std::vector<TRecord> records;
    for (const QString& section : ini.SectionNames()) {
        TRecord record;
        read(record, ini, section);
        records.push_back(std::move(record));
    }
    return records;
}

// An optional sign and decimal digits, the whole text, within 32 bits.
std::optional<int32_t> ParseInteger(QStringView text);

// Text of the data files: UTF-8 or UTF-16 when a byte-order mark says so,
// else Windows-1251.
QString DecodeDataText(const QByteArray& bytes);
