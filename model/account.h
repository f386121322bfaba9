#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Where money comes from and goes to. Every change of the colony's money is
// booked under exactly one of these, so each year's account balances.
enum class TMoneyFlow : uint8_t {
    Sales,
    Demolition,
    Gesture,
    Purchases,
    Upkeep,
    Health,
    Construction,
    Improvement,
    Restoration,
    YearlyTaxes,
    MainTax,
    FounderLoss,
};
inline constexpr int MoneyFlowCount = static_cast<int>(TMoneyFlow::FounderLoss) + 1;

// The flow's name in the simulator's lines ("sales").
QString MoneyFlowKey(TMoneyFlow flow);
// The flow's name as the account shows it ("Продажа товаров").
QString MoneyFlowCaption(TMoneyFlow flow);
// Whether the flow brings money in; the others only take it out.
bool IsIncome(TMoneyFlow flow);

// One game year's money: what the colony had when the year's first change
// was booked, and the sum of each flow.
struct TYearAccount {
    int32_t Year = 0;
    int64_t Opening = 0;
    std::array<int64_t, MoneyFlowCount> Flows{};

    int64_t Flow(TMoneyFlow flow) const { return Flows[static_cast<size_t>(flow)]; }
    int64_t Incomes() const { return Sum(true); }
    int64_t Spendings() const { return Sum(false); }
    // The flows that bring money in, or those that take it out.
    int64_t Sum(bool incomes) const;

    bool operator==(const TYearAccount&) const = default;
};

// The colony's money account, year by year, from the first change booked.
class TAccount {
public:
    // Money went from before to after in the year; books what really moved.
    void Book(int year, TMoneyFlow flow, int32_t before, int32_t after);

    std::span<const TYearAccount> Years() const { return years_; }
    // The year's account, or none when nothing was booked in it.
    const TYearAccount* FindYear(int year) const;
    // What the year closed with: the next year's opening, or for the last
    // year the money the colony has now.
    int64_t Closing(const TYearAccount& year, int32_t money) const;
    // The flow's sum over every year, which each day of the history records.
    int64_t Total(TMoneyFlow flow) const { return totals_[static_cast<size_t>(flow)]; }

    // A saved account: years in order, each after the one before. Empty for
    // a game saved before accounts were kept.
    void Assign(std::vector<TYearAccount> years);

    bool operator==(const TAccount&) const = default;

private:
    std::vector<TYearAccount> years_;
    std::array<int64_t, MoneyFlowCount> totals_{};
};

// The account as a spreadsheet's text: a header line, then one line a year.
QByteArray AccountCsv(const TAccount& account, int32_t money);
