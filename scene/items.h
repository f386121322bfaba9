#pragma once

#include "scene/scenetext.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Everything a scene text describes reads its properties from its tag and can
// write them back in the same form.
class TSamline {
public:
    TSamline() = default;
    TSamline(const TSamline&) = delete;
    TSamline& operator=(const TSamline&) = delete;
    virtual ~TSamline() = default;

    virtual void ReadProps(const TPropList& props);
    virtual void WriteProps(QString& text) const;
};

// A named item; its style words are read and written by its kind.
class TKlop : public TSamline {
public:
    QString Name;

    void ReadProps(const TPropList& props) override;
    void WriteProps(QString& text) const override;
    virtual void ReadStyleWords(const TStyleWords& words);
    virtual void SetName(const QString& name);
    virtual void WriteStyleWords(QStringList& words) const;
};

// An ordered list of items that does not own them.
class TSamlineList {
public:
    // A new item for a tag keyword, or none.
    std::function<TSamline*(const QString& tag)> OnCreateItem;
    // The tag keyword of an item.
    std::function<QString(const TSamline* item)> OnGetTag;

    virtual ~TSamlineList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    TSamline* At(int index) const { return items_[static_cast<size_t>(index)]; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    virtual void Add(TSamline* item);
    virtual void Clear();

protected:
    std::vector<TSamline*> items_;
};

// A list of named items. Only named items are ever added to it.
class TKlopList : public TSamlineList {
public:
    // Called after every insertion and removal when set.
    std::function<void(TKlopList& list)> OnChange;

    TKlop* Klop(int index) const { return static_cast<TKlop*>(At(index)); }
    void Add(TSamline* item) override;
    void Clear() override;
};

class TSpriteList : public TKlopList {};
class TBoomerList : public TKlopList {};

// The first item whose name equals the name ignoring letter case, or none.
TKlop* FindByName(const TKlopList& list, const QString& name);

// Gives every unnamed item, and every item whose name an earlier item already
// bears, the first free name made of its tag and a counter ("RECT01", ...).
void MakeNamesUnique(TKlopList& list);
