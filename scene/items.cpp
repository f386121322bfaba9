#include "scene/items.h"

#include <QHash>
#include <QSet>

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

void MakeNamesUnique(TKlopList& list) {
    // How many items bear each name, case-folded. A name only leaves this
    // count when a duplicate is renamed, and its first bearer keeps it, so a
    // candidate found taken stays taken and each prefix's counter can go on
    // from where it stopped.
    QHash<QString, int> bearers;
    for (TSamline* item : list) {
        const QString& name = static_cast<TKlop*>(item)->Name;
        if (!name.isEmpty())
            ++bearers[name.toCaseFolded()];
    }
    QSet<QString> named; // names of the items already walked
    QHash<QString, int> counters;
    for (TSamline* item : list) {
        auto* klop = static_cast<TKlop*>(item);
        const QString folded = klop->Name.toCaseFolded();
        if (!folded.isEmpty() && !named.contains(folded)) {
            named.insert(folded);
            continue;
        }
        if (!folded.isEmpty())
            --bearers[folded];
        const QString prefix = list.OnGetTag ? list.OnGetTag(item) : QString();
        int& counter = counters[prefix.toCaseFolded()];
        QString candidate;
        do {
            ++counter;
            candidate = prefix + QStringLiteral("%1").arg(counter, 2, 10, QChar(u'0'));
        } while (bearers.value(candidate.toCaseFolded()) > 0);
        klop->SetName(candidate);
        const QString given = candidate.toCaseFolded();
        ++bearers[given];
        named.insert(given);
    }
}
