#include "market.h"

#include "base/numbers.h"
#include "colony.h"
#include "describe.h"
#include "game.h"
#include "messages.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

const QString WholeStock = QStringLiteral("-");

bool OnlyDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

int64_t DealTotal(bool sale, const TResources& quantities) {
    int64_t total = 0;
    for (int good = 0; good < GoodsCount; ++good)
        total += static_cast<int64_t>(sale ? SellPrices[good] : BuyPrices[good]) * quantities[good];
    return total;
}

TDealRefusal MakeDeal(TGame& game, bool sale, const TResources& quantities) {
    const int64_t total = DealTotal(sale, quantities);
    if (sale) {
        if (!Covers(game.Stock, quantities))
            return TDealRefusal::NoStock;
        // A sale that the money or the turnover could not hold is refused whole.
        if (game.Money + total > INT32_MAX || game.Sales + total > INT32_MAX)
            return TDealRefusal::TooLarge;
        game.SetMoney(TMoneyFlow::Sales, ClampToInt32(game.Money + total));
        game.Sales = ClampToInt32(game.Sales + total);
        SubtractResources(game.Stock, quantities);
        return TDealRefusal::None;
    }
    if (game.Money < total)
        return TDealRefusal::NoMoney;
    // Nor is a purchase that a stock entry or the turnover could not hold.
    bool fits = game.Purchases + total <= INT32_MAX;
    for (int good = 0; good < GoodsCount; ++good)
        fits = fits && static_cast<int64_t>(game.Stock[good]) + quantities[good] <= INT32_MAX;
    if (!fits)
        return TDealRefusal::TooLarge;
    game.SetMoney(TMoneyFlow::Purchases, ClampToInt32(game.Money - total));
    game.Purchases = ClampToInt32(game.Purchases + total);
    AddResources(game.Stock, quantities);
    return TDealRefusal::None;
}

TMarketDialog::TMarketDialog(TColony& colony, bool sale) : colony_(&colony), sale_(sale) {}

QString TMarketDialog::OkCaption() const {
    return sale_ ? QCoreApplication::translate("Market", "Продать")
                 : QCoreApplication::translate("Market", "Купить");
}

QString TMarketDialog::Caption() const {
    const std::optional<int64_t> total = Total();
    return total ? OkCaption() + QStringLiteral(" - ") + NumToStr(*total) : OkCaption();
}

int32_t TMarketDialog::Price(int good) const {
    return sale_ ? SellPrices[good] : BuyPrices[good];
}

QString TMarketDialog::PriceText(int good) const {
    return NumToStr(Price(good));
}

void TMarketDialog::SetFieldText(int good, const QString& text) {
    fields_[good] = text.left(FieldLength);
}

std::optional<int32_t> TMarketDialog::Quantity(int good) const {
    const QString& text = fields_[good];
    if (text.isEmpty())
        return 0;
    if (text == WholeStock)
        return sale_ ? std::optional<int32_t>(std::max(colony_->Game().Stock[good], 0))
                     : std::nullopt;
    if (!OnlyDigits(text) || text.size() > FieldLength)
        return std::nullopt;
    return text.toInt();
}

QString TMarketDialog::SumText(int good) const {
    const std::optional<int32_t> quantity = Quantity(good);
    if (!quantity)
        return QStringLiteral("?");
    const int64_t sum = static_cast<int64_t>(Price(good)) * *quantity;
    return sum != 0 ? NumToStr(sum) : QString();
}

std::optional<int64_t> TMarketDialog::Total() const {
    int64_t total = 0;
    for (int good = 0; good < GoodsCount; ++good) {
        const std::optional<int32_t> quantity = Quantity(good);
        if (!quantity)
            return std::nullopt;
        total += static_cast<int64_t>(Price(good)) * *quantity;
    }
    return total;
}

TMarketDialog::TReply TMarketDialog::Ok() {
    TResources quantities;
    for (int good = 0; good < GoodsCount; ++good) {
        const std::optional<int32_t> quantity = Quantity(good);
        if (!quantity) {
            focus_ = good;
            return TReply::BeepAt;
        }
        quantities[good] = *quantity;
    }
    TWindowServices& services = colony_->Services();
    if (DealTotal(sale_, quantities) == 0) {
        services.Sound(TSound::Error);
        return TReply::Stay;
    }
    switch (MakeDeal(colony_->Game(), sale_, quantities)) {
    case TDealRefusal::None:
        break;
    case TDealRefusal::NoStock:
        colony_->ShowStatus(Msg::Text(Msg::NothingToSell));
        return TReply::Stay;
    case TDealRefusal::NoMoney:
        colony_->ShowStatus(Msg::Text(Msg::NoMoney));
        return TReply::Stay;
    case TDealRefusal::TooLarge:
        services.Sound(TSound::Error);
        return TReply::Stay;
    }
    services.ShowResources(false);
    services.Sound(TSound::Button);
    deal_ = quantities;
    return TReply::Close;
}

TMarketDialog::TReply TMarketDialog::Cancel() {
    colony_->Services().Sound(TSound::Button);
    return TReply::Close;
}

TMarketDialog::TReply TMarketDialog::All() {
    colony_->Services().Sound(TSound::Button);
    fields_.fill(WholeStock);
    return TReply::Stay;
}

bool TMarketDialog::Key(int good, TKey key, TReply& reply) {
    switch (key) {
    case TKey::LetterA:
        reply = All();
        return true;
    case TKey::Up:
        focus_ = (good + GoodsCount - 1) % GoodsCount;
        reply = TReply::FocusAt;
        return true;
    case TKey::Down:
        focus_ = (good + 1) % GoodsCount;
        reply = TReply::FocusAt;
        return true;
    case TKey::Other:
        break;
    }
    reply = TReply::Stay;
    return false;
}

TMarketDialog::TReply TMarketDialog::ClickPicture(int good) {
    if (sale_)
        fields_[good] = fields_[good] == WholeStock ? QString() : WholeStock;
    focus_ = good;
    return TReply::SelectAt;
}
