#include "taxes.h"

#include "base/numbers.h"
#include "colony.h"
#include "describe.h"
#include "game.h"
#include "messages.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr int64_t FirstMainTaxAmount = 125000;

QString PercentText(int percent, int32_t base, int64_t amount) {
    return QCoreApplication::translate("Taxes", "%1% от %2 = %3")
        .arg(QString::number(percent), NumToStr(base), NumToStr(amount));
}

} // namespace

QString TYearlyTaxes::LandText() const {
    return QString::number(TaxedBuildings) + QStringLiteral(" * ") + NumToStr(Rate) +
           QStringLiteral(" = ") + NumToStr(Land);
}

QString TYearlyTaxes::BuyingText() const {
    return PercentText(BuyingPercent, Purchases, Buying);
}

QString TYearlyTaxes::SellingText() const {
    return PercentText(SellingPercent, Sales, Selling);
}

int64_t ScaledTax(int64_t amount, int32_t taxPercent) {
    return std::min<int64_t>(amount * taxPercent / 100, INT32_MAX);
}

TYearlyTaxes ComputeYearlyTaxes(const TGame& game, int32_t taxPercent) {
    TYearlyTaxes taxes;
    taxes.Rate = ScaledTax(TYearlyTaxes::LandRate, taxPercent);
    taxes.EcologyFund = ScaledTax(TYearlyTaxes::Ecology, taxPercent);
    taxes.SocialFund = ScaledTax(TYearlyTaxes::Social, taxPercent);
    taxes.ResourcesFund = ScaledTax(TYearlyTaxes::NaturalResources, taxPercent);
    int64_t taxed = 0;
    for (const auto& base : game.Buildings())
        if (!base->Kind->HasStyle(bsNoOccupy))
            ++taxed;
    taxes.TaxedBuildings = ClampToInt32(taxed);
    taxes.Purchases = game.Purchases;
    taxes.Sales = game.Sales;
    taxes.Land = taxed * taxes.Rate;
    taxes.Buying = int64_t{game.Purchases} * TYearlyTaxes::BuyingPercent / 100;
    taxes.Selling = int64_t{game.Sales} * TYearlyTaxes::SellingPercent / 100;
    taxes.Total = taxes.Land + taxes.Buying + taxes.Selling + taxes.EcologyFund + taxes.SocialFund +
                  taxes.ResourcesFund;
    return taxes;
}

TTaxesDue TaxesDue(const TGameDate& date) {
    TTaxesDue due;
    if (date.Day != 1)
        return due;
    due.YearlyWarning = date.Month == 2;
    due.Yearly = date.Month == 3 && date.Year > FoundingYear;
    const int64_t mainTax = MainTaxAmount(date.Year);
    due.MainWarning = mainTax != 0 && date.Month == 10;
    due.MainTax = date.Month == 11 ? mainTax : 0;
    return due;
}

int64_t MainTaxAmount(int year) {
    const int k = year - FoundingYear;
    if (k < MainTaxPeriod || k % MainTaxPeriod != 0)
        return 0;
    int64_t amount = FirstMainTaxAmount;
    for (int step = (k - MainTaxPeriod) / MainTaxPeriod; step > 0 && amount < INT32_MAX; --step)
        amount *= 2;
    return std::min<int64_t>(amount, INT32_MAX);
}

TTaxDialog::TTaxDialog(TColony& colony, bool yearly, int64_t amount)
    : colony_(&colony), yearly_(yearly), amount_(amount) {}

TTaxDialog TTaxDialog::Yearly(TColony& colony) {
    TTaxDialog dialog(colony, true, 0);
    dialog.lines_ = ComputeYearlyTaxes(colony.Game(), colony.Rules().TaxPercent);
    dialog.amount_ = dialog.lines_.Total;
    return dialog;
}

TTaxDialog TTaxDialog::Main(TColony& colony, int64_t amount) {
    return TTaxDialog(colony, false, amount);
}

bool TTaxDialog::RefusalLoses() const {
    return colony_->Goals().RefusalLoses(colony_->Game(), colony_->Counters());
}

QString TTaxDialog::AmountText() const {
    return NumToStr(amount_);
}

bool TTaxDialog::Pay() {
    if (paid_)
        return true;
    TGame& game = colony_->Game();
    if (game.Money < amount_) {
        colony_->ShowStatus(Msg::Text(Msg::NoMoney));
        return false;
    }
    game.SetMoney(yearly_ ? TMoneyFlow::YearlyTaxes : TMoneyFlow::MainTax,
                  ClampToInt32(game.Money - amount_));
    if (yearly_) {
        game.Purchases = 0;
        game.Sales = 0;
    }
    paid_ = true;
    colony_->Services().ShowResources(true);
    return true;
}
