#include "marketform.h"

#include "model/goods.h"
#include "model/keyletter.h"
#include "model/market.h"
#include "resources/datamodule.h"
#include "ui/smallcontrols.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <utility>

TMarketEdit::TMarketEdit(QWidget* parent, std::function<bool(QKeyEvent*)> onKey)
    : QLineEdit(parent), onKey_(std::move(onKey)) {
    setMaxLength(TMarketDialog::FieldLength);
}

void TMarketEdit::keyPressEvent(QKeyEvent* event) {
    if (onKey_ && onKey_(event))
        return;
    QLineEdit::keyPressEvent(event);
}

TMarketForm::TMarketForm(QWidget* parent, TMarketDialog& market, const TDM& images,
                         std::function<void()> showOrders)
    : TGameDialog(parent, market.Caption(), QSize(337, 257)), market_(market) {
    QFrame* bevel = LoweredPanel(this, QRect(8, 8, 241, 241));
    bevel->lower();
    auto* nw1 = new TvtNarw(this);
    nw1->setObjectName(QStringLiteral("nw1"));
    nw1->setGeometry(9, 9, 239, 239);
    nw1->SetStyle(nsFill);
    nw1->SetColor(QColor(0, 64, 64));

    for (int good = 0; good < GoodsCount; ++good) {
        const int top = 20 + 25 * good;
        const QString suffix = QString::number(good).rightJustified(2, u'0');
        auto* strip = new TvtPic(this);
        strip->setObjectName(QStringLiteral("pc%1").arg(good + 1));
        strip->setGeometry(41, top, 197, 16);
        strip->SetImages(&images.imlMarketItem);

        auto* picture = new TvtPic(this);
        picture->setGeometry(13, top - 5, 25, 25);
        picture->SetImages(&images.imlTools);
        picture->SetImageIndex(good);
        picture->setToolTip(GoodName(good));
        picture->setCursor(Qt::PointingHandCursor);
        picture->OnClick = [this, good] { Follow(market_.ClickPicture(good)); };

        auto* price = new QLabel(this);
        price->setObjectName(QStringLiteral("lb") + suffix);
        price->setGeometry(44, top, 52, 16);
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        price->setTextFormat(Qt::PlainText);
        price->setText(market.PriceText(good));
        price->setToolTip(tr("Цена"));
        price->setStyleSheet(QStringLiteral("color: black"));

        auto* field = new TMarketEdit(this, [this, good](QKeyEvent* event) {
            TMarketDialog::TKey key = TMarketDialog::TKey::Other;
            if (event->text().size() == 1 && KeyLetter(event->text().front()) == u'a')
                key = TMarketDialog::TKey::LetterA;
            else if (event->key() == Qt::Key_Up)
                key = TMarketDialog::TKey::Up;
            else if (event->key() == Qt::Key_Down)
                key = TMarketDialog::TKey::Down;
            TMarketDialog::TReply reply;
            if (!market_.Key(good, key, reply))
                return false;
            Follow(reply);
            return true;
        });
        field->setObjectName(QStringLiteral("ed") + suffix);
        field->setGeometry(101, top - 1, 62, 18);
        field->setToolTip(tr("Количество"));
        connect(field, &QLineEdit::textChanged, this, [this, good](const QString& text) {
            market_.SetFieldText(good, text);
            Refresh();
        });
        fields_[static_cast<size_t>(good)] = field;

        auto* sum = new QLabel(this);
        sum->setObjectName(QStringLiteral("lbs") + suffix);
        sum->setGeometry(166, top, 68, 16);
        sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sum->setTextFormat(Qt::PlainText);
        sum->setToolTip(tr("Сумма"));
        sum->setStyleSheet(QStringLiteral("color: black"));
        sums_[static_cast<size_t>(good)] = sum;
    }

    btOK_ = new TvtButton(market.OkCaption(), this);
    btOK_->setObjectName(QStringLiteral("btOK"));
    btOK_->setGeometry(256, 8, 73, 21);
    btOK_->Default = true;
    btOK_->ManualClose = true;
    btOK_->OnClick = [this] { Follow(market_.Ok()); };

    auto* btCancel = new TvtButton(tr("Отмена"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setGeometry(256, 36, 73, 21);
    btCancel->Cancel = true;
    btCancel->ManualClose = true;
    btCancel->OnClick = [this] { Follow(market_.Cancel()); };

    btAll_ = new TvtButton(tr("Все"), this);
    btAll_->setObjectName(QStringLiteral("btAll"));
    btAll_->setGeometry(256, 64, 73, 21);
    btAll_->ManualClose = true;
    btAll_->setVisible(market.AllVisible());
    btAll_->OnClick = [this] { Follow(market_.All()); };

    if (showOrders) {
        auto* btOrders = new TvtButton(tr("Заказы..."), this);
        btOrders->setObjectName(QStringLiteral("btOrders"));
        btOrders->setGeometry(256, 228, 73, 21);
        btOrders->setToolTip(tr("Постоянные заказы: после каждого дня лишнее продается, "
                                "недостающее покупается"));
        btOrders->ManualClose = true;
        btOrders->OnClick = [this, showOrders = std::move(showOrders)] {
            Follow(market_.Cancel());
            showOrders();
        };
    }

    Refresh();
    fields_[0]->setFocus();
}

void TMarketForm::Refresh() {
    for (int good = 0; good < GoodsCount; ++good) {
        TMarketEdit* field = fields_[static_cast<size_t>(good)];
        if (field->text() != market_.FieldText(good)) {
            const QSignalBlocker block(field);
            field->setText(market_.FieldText(good));
        }
        sums_[static_cast<size_t>(good)]->setText(market_.SumText(good));
    }
    setWindowTitle(market_.Caption());
}

void TMarketForm::Follow(TMarketDialog::TReply reply) {
    using TReply = TMarketDialog::TReply;
    Refresh();
    TMarketEdit* focus = fields_[static_cast<size_t>(market_.FocusField())];
    switch (reply) {
    case TReply::Stay:
        break;
    case TReply::Close:
        done(market_.Done() ? Accepted : Rejected);
        break;
    case TReply::BeepAt:
        QApplication::beep();
        focus->setFocus();
        break;
    case TReply::FocusAt:
        focus->setFocus();
        break;
    case TReply::SelectAt:
        focus->setFocus();
        focus->selectAll();
        break;
    }
}
