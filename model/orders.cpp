#include "model/orders.h"

#include "base/numbers.h"
#include "model/describe.h"
#include "model/game.h"
#include "model/market.h"

#include <QCoreApplication>

QString OrderError(int64_t floor, int64_t ceiling) {
    if (floor < 0 || ceiling > TStandingOrder::MaxBound)
        return QCoreApplication::translate("Orders", "!Заказ бывает от 0 до %1.")
            .arg(NumToStr(TStandingOrder::MaxBound));
    if (floor > ceiling)
        return QCoreApplication::translate("Orders", "!Нижняя граница заказа выше верхней.");
    return {};
}

std::vector<TOrderDeal> RunStandingOrders(TGame& game) {
    std::vector<TOrderDeal> deals;
    for (const bool sale : {true, false})
        for (int good = 0; good < GoodsCount; ++good) {
            const std::optional<TStandingOrder>& order = game.Orders[good];
            if (!order)
                continue;
            const int64_t stock = game.Stock[good];
            const int64_t quantity = sale ? stock - order->Ceiling : order->Floor - stock;
            if (quantity <= 0)
                continue;
            TResources quantities;
            quantities[good] = ClampToInt32(quantity);
            if (MakeDeal(game, sale, quantities) == TDealRefusal::None)
                deals.push_back({good, sale, quantities[good], DealTotal(sale, quantities)});
        }
    return deals;
}

QString OrderDealText(const TOrderDeal& deal) {
    const QString text =
        deal.Sale ? QCoreApplication::translate("Orders", "Продано по заказу: %1, %2 на %3.")
                  : QCoreApplication::translate("Orders", "Куплено по заказу: %1, %2 на %3.");
    return text.arg(GoodName(deal.Good), NumToStr(deal.Quantity), NumToStr(deal.Sum));
}
