#pragma once

#include "goods.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class TColony;
class TGame;

// Why the market refuses a deal: too little in stock to sell, too little money
// to buy, or a sum that the money, a stock or the year's turnover could not
// hold.
enum class TDealRefusal { None, NoStock, NoMoney, TooLarge };

// A deal at the market's prices, all or nothing: the quantities sold or
// bought, the money and the turnover booked; nothing changes when it is
// refused.
int64_t DealTotal(bool sale, const TResources& quantities);
TDealRefusal MakeDeal(TGame& game, bool sale, const TResources& quantities);

// The market dialog without its widgets: nine quantity fields, their sums, the
// caption and the buttons' rules. The window draws what it says and passes
// every edit, key and click to it. A deal is all or nothing.
class TMarketDialog {
public:
    static constexpr int FieldLength = 6;

    // What a button or key asks the window to do next.
    enum class TReply {
        Stay,     // keep the dialog open, nothing else
        Close,    // close the dialog
        BeepAt,   // beep and move the focus to FocusField()
        FocusAt,  // move the focus to FocusField()
        SelectAt, // move the focus to FocusField() and select its whole text
    };
    enum class TKey { Other, LetterA, Up, Down };

    TMarketDialog(TColony& colony, bool sale);

    bool IsSale() const { return sale_; }
    // "Продать - 1 200", or the bare word while a field is invalid.
    QString Caption() const;
    // "Продать" or "Купить".
    QString OkCaption() const;
    // "Все" is shown only for a sale.
    bool AllVisible() const { return sale_; }
    int32_t Price(int good) const;
    QString PriceText(int good) const;

    QString FieldText(int good) const { return fields_[good]; }
    // Sets a field as typing would: at most six characters are kept.
    void SetFieldText(int good, const QString& text);
    // The quantity of a valid field; none for an invalid one. "-" in a sale is
    // the whole stock, a stock below 0 counting as 0.
    std::optional<int32_t> Quantity(int good) const;
    // The row's sum: empty for 0, "?" for an invalid field.
    QString SumText(int good) const;
    // The total of all rows when every field is valid.
    std::optional<int64_t> Total() const;

    TReply Ok();
    TReply Cancel();
    // Puts "-" into every field: sell everything.
    TReply All();
    // A key in a quantity field; returns whether it was used (and so not typed).
    bool Key(int good, TKey key, TReply& reply);
    // A click on a good's picture: in a sale the field toggles between "-"
    // and empty; in both modes the field gets the focus, its text selected.
    TReply ClickPicture(int good);

    int FocusField() const { return focus_; }
    // Whether the dialog closed with a deal, and the quantities it dealt.
    bool Done() const { return deal_.has_value(); }
    const std::optional<TResources>& Deal() const { return deal_; }

private:
    TColony* colony_;
    bool sale_;
    std::optional<TResources> deal_;
    int focus_ = 0;
    std::array<QString, GoodsCount> fields_;
};
