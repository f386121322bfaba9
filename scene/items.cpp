#include "scene/items.h"

#include <QHash>

void TSamline::ReadProps(const TPropList&) {}

void TSamline::WriteProps(QString&) const {}

void TKlop::ReadProps(const TPropList& props) {
    ReadStringProp(props, u"name", Name);
    const QStringView style = props.Value(u"style");
    if (!style.isEmpty()) {
        QStringList words;
        SplitWords(style.toString(), words);
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

void TKlop::ReadStyleWords(const QStringList&) {}

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
        if (klop->Name.compare(name, Qt::CaseInsensitive) == 0)
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

// Counter suffix of a generated name: at least two digits ("01").
QString CounterText(int counter) {
    QString text = QString::number(counter);
    if (text.size() < 2)
        text.prepend(u'0');
    return text;
}

} // namespace

void MakeNamesUnique(TKlopList& list) {
    // A name only loses a bearer when a duplicate is renamed, and its first
    // bearer keeps it, so a candidate found taken stays taken and each
    // prefix's counter can go on from where it stopped. Scenes name few of
    // their items, so the pass is mostly making names: a name's case-folded
    // form is the folded prefix followed by digits, which fold to themselves.
    QHash<QString, TNameUse> uses;
    for (TSamline* item : list) {
        const QString& name = static_cast<TKlop*>(item)->Name;
        if (!name.isEmpty())
            ++uses[name.toCaseFolded()].Bearers;
    }
    QHash<QString, QString> foldedPrefixes; // tag as given -> its folded form
    QHash<QString, int> counters;           // folded prefix -> last number tried
    for (TSamline* item : list) {
        auto* klop = static_cast<TKlop*>(item);
        if (!klop->Name.isEmpty()) {
            TNameUse& use = uses[klop->Name.toCaseFolded()];
            if (!use.Walked) {
                use.Walked = true;
                continue;
            }
            --use.Bearers;
        }
        const QString prefix = list.OnGetTag ? list.OnGetTag(item) : QString();
        auto foldedPrefix = foldedPrefixes.find(prefix);
        if (foldedPrefix == foldedPrefixes.end())
            foldedPrefix = foldedPrefixes.insert(prefix, prefix.toCaseFolded());
        int& counter = counters[*foldedPrefix];
        QString number;
        QString folded;
        do {
            ++counter;
            number = CounterText(counter);
            folded = *foldedPrefix + number;
        } while (uses.value(folded).Bearers > 0);
        klop->SetName(prefix + number);
        TNameUse& given = uses[folded];
        ++given.Bearers;
        given.Walked = true;
    }
}
