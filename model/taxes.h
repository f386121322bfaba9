#pragma once

#include "gamedate.h"

#include <QString>
#include <cstdint>

class TColony;
class TGame;

// The yearly taxes, line by line, as their dialog shows them.
struct TYearlyTaxes {
    static constexpr int32_t LandRate = 420;
    static constexpr int64_t Ecology = 509;
    static constexpr int64_t Social = 1220;
    static constexpr int64_t NaturalResources = 2957;
    // Of the year's market turnover.
    static constexpr int BuyingPercent = 1;
    static constexpr int SellingPercent = 2;

    // The year's rates and funds: the normal ones above, scaled by the
    // level's tax percent.
    int64_t Rate = LandRate;
    int64_t EcologyFund = Ecology;
    int64_t SocialFund = Social;
    int64_t ResourcesFund = NaturalResources;
    int32_t TaxedBuildings = 0; // buildings whose type is not "NoOccupy"
    int32_t Purchases = 0;
    int32_t Sales = 0;
    int64_t Land = 0;
    int64_t Buying = 0;
    int64_t Selling = 0;
    int64_t Total = 0;

    QString LandText() const;    // "21 * 420 = 8 820"
    QString BuyingText() const;  // "1% от 3 908 711 = 39 087"
    QString SellingText() const; // "2% от 1 000 000 = 20 000"
};

// What the tax calendar holds for a day: the warnings a month ahead and the
// taxes that fall due.
struct TTaxesDue {
    bool YearlyWarning = false; // 1 February
    bool Yearly = false;        // 1 March, from the year after the founding
    bool MainWarning = false;   // 1 October of a main-tax year
    int64_t MainTax = 0;        // 1 November of a main-tax year: its amount
};
TTaxesDue TaxesDue(const TGameDate& date);

// The main tax falls every ten years from the founding: 125 000 in 1900,
// doubling each time, held at the 32-bit limit.
constexpr int MainTaxPeriod = 10;
constexpr int FirstMainTaxYear = FoundingYear + MainTaxPeriod;

// The main tax of a year; 0 in a year that owes none.
int64_t MainTaxAmount(int year);

// One tax dialog. The window shows it and sends "Да" to Pay; the daily turn
// then asks Paid, so a payment refused for lack of money is never taken as
// paid, however the dialog was closed.
class TTaxDialog {
public:
    // The yearly taxes, computed from the colony as it stands now.
    static TTaxDialog Yearly(TColony& colony);
    static TTaxDialog Main(TColony& colony, int64_t amount);

    const TYearlyTaxes& Lines() const { return lines_; }
    int64_t Amount() const { return amount_; }
    QString AmountText() const;

    // The "Да" button: takes the whole amount, or shows "!Недостаточно денег"
    // and changes nothing. Returns true when the dialog is to close.
    bool Pay();
    bool Paid() const { return paid_; }
    // Whether "Нет" loses the scenario in play.
    bool RefusalLoses() const;

private:
    TTaxDialog(TColony& colony, bool yearly, int64_t amount);

    TColony* colony_;
    bool yearly_;
    bool paid_ = false;
    int64_t amount_;
    TYearlyTaxes lines_;
};

// Computes the yearly tax lines of a colony, the rates and funds scaled by
// the level's tax percent.
TYearlyTaxes ComputeYearlyTaxes(const TGame& game, int32_t taxPercent = 100);
// A tax of the normal level at the level's percent.
int64_t ScaledTax(int64_t amount, int32_t taxPercent);
