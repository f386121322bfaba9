#include "scene/items.h"

#include <QHash>
#include <algorithm>
#include <vector>

void TSamline::ReadProps(const TPropList&) {}

void TSamline::WriteProps(QString&) const {}

void TKlop::ReadProps(const TPropList& props) {
    ReadStringProp(props, u"name", Name);
    const QStringView style = props.Value(u"style");
    if (!style.isEmpty()) {
        TStyleWords words;
        SplitWords(style, words);
        ReadStyleWords(words);
    }
}

void TKlop::WriteProps(QString& text) const {
    WriteStringProp(text, u"name", Name);
    QStringList words;
    WriteStyleWords(words);
    if (!words.isEmpty())
        WriteRawProp(text, u"style", JoinWords(words));
}

void TKlop::ReadStyleWords(const TStyleWords&) {}

void TKlop::SetName(const QString& name) {
    Name = name;
}

void TKlop::WriteStyleWords(QStringList&) const {}

void TSamlineList::Add(TSamline* item) {
    items_.push_back(item);
}

void TSamlineList::Clear() {
    items_.clear();
}

void TKlopList::Add(TSamline* item) {
    TSamlineList::Add(item);
    if (OnChange)
        OnChange(*this);
}

void TKlopList::Clear() {
    TSamlineList::Clear();
    if (OnChange)
        OnChange(*this);
}

TKlop* FindByName(const TKlopList& list, const QString& name) {
    for (TSamline* item : list) {
        auto* klop = static_cast<TKlop*>(item);
        if (SameTextIgnoringCase(klop->Name, name))
            return klop;
    }
    return nullptr;
}

namespace {

// What the naming pass knows of one case-folded name.
struct TNameUse {
    int Bearers = 0;     // items bearing it; leaves only when a duplicate is renamed
    bool Walked = false; // an item already walked bears it
};

// The counter of one case-folded prefix. Tags that differ only in letter
// case share it.
struct TNameCounter {
    QString Folded;
    int Last = 0; // the last number tried
    // Whether a candidate can be taken: some name borne at the start begins
    // with the prefix, or generated names are being recorded.
    bool Check = false;
};

bool EndsWithDigit(const QString& text) {
    return !text.isEmpty() && text.back().isDigit();
}

// The text of a generated name's counter: at least two digits ("01").
class TCounterText {
public:
    explicit TCounterText(int counter) {
        do {
            digits_[--at_] = static_cast<char16_t>(u'0' + counter % 10);
            counter /= 10;
        } while (counter > 0);
        if (at_ == Size - 1)
            digits_[--at_] = u'0';
    }
    QStringView View() const { return QStringView(digits_ + at_, Size - at_); }

private:
    static constexpr qsizetype Size = 12;
    char16_t digits_[Size];
    qsizetype at_ = Size;
};

QString Joined(const QString& prefix, QStringView number) {
    QString text(prefix.size() + number.size(), Qt::Uninitialized);
    QChar* at = std::copy(prefix.cbegin(), prefix.cend(), text.data());
    std::copy(number.cbegin(), number.cend(), at);
    return text;
}

} // namespace

void MakeNamesUnique(TKlopList& list) {
    // A name only loses a bearer when a duplicate is renamed, and its first
    // bearer keeps it, so a name once borne stays taken and each prefix's
    // counter can go on from where it stopped. Scenes name few of their
    // items, so the pass is mostly making names; it looks a candidate up only
    // when a name borne at the start could equal it. Names made for two
    // different prefixes can be equal only when a prefix ends with a digit
    // ("A1" + "05", "A" + "105"); only then are the names made recorded too.
    QHash<QString, TNameUse> uses;
    std::vector<QString> tags;
    tags.reserve(static_cast<size_t>(list.Count()));
    bool recordMade = false;
    for (TSamline* item : list) {
        const QString& name = static_cast<TKlop*>(item)->Name;
        if (!name.isEmpty())
            ++uses[name.toCaseFolded()].Bearers;
        tags.push_back(list.OnGetTag ? list.OnGetTag(item) : QString());
        recordMade = recordMade || EndsWithDigit(tags.back());
    }
    std::vector<TNameCounter> counters;
    // Each tag as given, with its counter; there are a handful.
    std::vector<std::pair<QString, size_t>> tagCounters;
    for (size_t i = 0; i < tags.size(); ++i) {
        auto* klop = static_cast<TKlop*>(list.At(static_cast<int>(i)));
        if (!klop->Name.isEmpty()) {
            TNameUse& use = uses[klop->Name.toCaseFolded()];
            if (!use.Walked) {
                use.Walked = true;
                continue;
            }
            --use.Bearers;
        }
        const QString& tag = tags[i];
        auto tagCounter = std::find_if(tagCounters.begin(), tagCounters.end(),
                                       [&](const auto& known) { return known.first == tag; });
        if (tagCounter == tagCounters.end()) {
            const QString folded = tag.toCaseFolded();
            size_t index = 0;
            while (index < counters.size() && counters[index].Folded != folded)
                ++index;
            if (index == counters.size()) {
                bool check = recordMade;
                for (auto use = uses.cbegin(); !check && use != uses.cend(); ++use)
                    check = use.key().startsWith(folded);
                counters.push_back({folded, 0, check});
            }
            tagCounter = tagCounters.insert(tagCounters.end(), {tag, index});
        }
        TNameCounter& counter = counters[tagCounter->second];
        while (counter.Check &&
               uses.value(Joined(counter.Folded, TCounterText(counter.Last + 1).View())).Bearers >
                   0)
            ++counter.Last;
        const TCounterText number(++counter.Last);
        klop->SetName(Joined(tag, number.View()));
        if (recordMade) {
            TNameUse& given = uses[Joined(counter.Folded, number.View())];
            ++given.Bearers;
            given.Walked = true;
        }
    }
}
