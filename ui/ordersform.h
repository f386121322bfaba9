#pragma once

#include "model/orders.h"
#include "ui/gamedialog.h"

#include <QCoreApplication>
#include <array>

class QCheckBox;
class QSpinBox;
class TvtButton;
class TWindowServices;

// The standing orders of the market, one row a good: whether it has one, its
// floor and its ceiling. The stock after each day is kept between them.
class TOrdersForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TOrdersForm)

public:
    TOrdersForm(QWidget* parent, TWindowServices& services, const TStandingOrders& orders,
                const TResources& stock);
    // True when the player chose «ОК»; Orders() then holds the choice.
    bool ShowModal();
    TStandingOrders Orders() const;

    std::array<QCheckBox*, GoodsCount> cbOrder{};
    std::array<QSpinBox*, GoodsCount> edFloor{};
    std::array<QSpinBox*, GoodsCount> edCeiling{};
    TvtButton* btOk = nullptr;
};
