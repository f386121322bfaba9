#pragma once

#include "model/market.h"
#include "ui/gamedialog.h"

#include <QLineEdit>
#include <array>
#include <functional>

class QLabel;
class TDM;
class TvtButton;
class TWindowServices;

// A quantity field of the market: at most six characters; the letter "a",
// Up and Down are offered to the dialog before they are typed.
class TMarketEdit : public QLineEdit {
public:
    TMarketEdit(QWidget* parent, std::function<bool(QKeyEvent*)> onKey);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<bool(QKeyEvent*)> onKey_;
};

// The market dialog: nine rows of picture, price, quantity and sum, and the
// buttons of the deal. It draws what the market's rules say and passes every
// edit, key, click and button to them.
class TMarketForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TMarketForm)

public:
    // showOrders, given, puts the standing orders' button in the dialog: it
    // closes the dialog as its cancel does, then calls showOrders.
    TMarketForm(QWidget* parent, TMarketDialog& market, const TDM& images,
                std::function<void()> showOrders = {});

    TMarketEdit* Field(int good) const { return fields_[static_cast<size_t>(good)]; }
    QLabel* SumLabel(int good) const { return sums_[static_cast<size_t>(good)]; }
    TvtButton* OkButton() const { return btOK_; }
    TvtButton* AllButton() const { return btAll_; }

private:
    void Refresh();
    void Follow(TMarketDialog::TReply reply);

    TMarketDialog& market_;
    std::array<TMarketEdit*, 9> fields_{};
    std::array<QLabel*, 9> sums_{};
    TvtButton* btOK_;
    TvtButton* btAll_;
};
