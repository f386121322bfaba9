#include "ui/ordersform.h"

#include "model/describe.h"
#include "ui/smallcontrols.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

TOrdersForm::TOrdersForm(QWidget* parent, TWindowServices& services, const TStandingOrders& orders,
                         const TResources& stock)
    : TGameDialog(parent, tr("Заказы на рынке"), QSize(400, 80 + 24 * GoodsCount)) {
    auto* caption = new QLabel(
        tr("После каждого дня лишнее сверх верхней границы продается, недостающее до нижней "
           "покупается по ценам рынка."),
        this);
    caption->setGeometry(10, 6, 380, 30);
    caption->setWordWrap(true);
    const std::pair<const char*, int> heads[] = {
        {QT_TR_NOOP("Есть"), 150}, {QT_TR_NOOP("Не меньше"), 214}, {QT_TR_NOOP("Не больше"), 304}};
    for (const auto& [text, x] : heads) {
        auto* head = new QLabel(tr(text), this);
        head->setGeometry(x, 38, 86, 16);
    }
    for (int good = 0; good < GoodsCount; ++good) {
        const int top = 56 + 24 * good;
        const std::optional<TStandingOrder>& order = orders[good];
        cbOrder[good] = new QCheckBox(GoodName(good), this);
        cbOrder[good]->setObjectName(QStringLiteral("cbOrder_%1").arg(good));
        cbOrder[good]->setGeometry(10, top, 136, 20);
        cbOrder[good]->setChecked(order.has_value());
        auto* held = new QLabel(NumToStr(stock[good]), this);
        held->setGeometry(150, top, 56, 20);
        for (auto [edit, x, value] :
             {std::tuple(&edFloor[good], 214, order ? order->Floor : 0),
              std::tuple(&edCeiling[good], 304,
                         order ? order->Ceiling : std::max(stock[good], 0))}) {
            auto* box = new QSpinBox(this);
            box->setRange(0, TStandingOrder::MaxBound);
            box->setValue(value);
            box->setGeometry(x, top, 84, 21);
            box->setAccessibleName(GoodName(good));
            *edit = box;
        }
        edFloor[good]->setObjectName(QStringLiteral("edFloor_%1").arg(good));
        edCeiling[good]->setObjectName(QStringLiteral("edCeiling_%1").arg(good));
        // The floor is never above the ceiling.
        connect(edFloor[good], &QSpinBox::valueChanged, this, [this, good](int floor) {
            edCeiling[good]->setValue(std::max(edCeiling[good]->value(), floor));
        });
        connect(edCeiling[good], &QSpinBox::valueChanged, this, [this, good](int ceiling) {
            edFloor[good]->setValue(std::min(edFloor[good]->value(), ceiling));
        });
        const auto follow = [this, good](bool on) {
            edFloor[good]->setEnabled(on);
            edCeiling[good]->setEnabled(on);
        };
        connect(cbOrder[good], &QCheckBox::toggled, this, follow);
        follow(order.has_value());
    }
    btOk = AddOkCancel(tr("ОК"), QPoint(234, 52 + 24 * GoodsCount), services);
}

bool TOrdersForm::ShowModal() {
    return exec() == Accepted;
}

TStandingOrders TOrdersForm::Orders() const {
    TStandingOrders orders;
    for (int good = 0; good < GoodsCount; ++good)
        if (cbOrder[good]->isChecked())
            orders[good] = TStandingOrder{edFloor[good]->value(), edCeiling[good]->value()};
    return orders;
}
