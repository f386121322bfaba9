#include "nalogform.h"

#include "model/describe.h"
#include "model/services.h"
#include "model/taxes.h"
#include "ui/smallcontrols.h"

#include <QLabel>

namespace {

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    label->setText(text);
    return label;
}

// "Да" pays and closes only when the payment went through; "Нет" refuses.
void AddButtons(QDialog* dialog, TTaxDialog& tax, int top) {
    auto* bt1 = new TvtButton(TNalogForm::tr("Да"), dialog);
    bt1->setObjectName(QStringLiteral("bt1"));
    bt1->setGeometry(dialog->width() / 2 - 81, top, 73, 21);
    bt1->Default = true;
    bt1->ManualClose = true;
    bt1->OnClick = [dialog, &tax] {
        if (tax.Pay())
            dialog->accept();
    };
    auto* bt2 = new TvtButton(TNalogForm::tr("Нет"), dialog);
    bt2->setObjectName(QStringLiteral("bt2"));
    bt2->setGeometry(dialog->width() / 2 + 8, top, 73, 21);
    bt2->Cancel = true;
}

// Where refusing loses the scenario, a line in red says so above the
// question, and the dialog grows by that line; returns the room it took.
int AddRefusalWarning(QDialog* dialog, const TTaxDialog& tax, int top, int width) {
    if (!tax.RefusalLoses())
        return 0;
    QLabel* warning = AddLabel(dialog, TNalogForm::tr("Откажетесь — сценарий будет проигран."),
                               QRect(12, top, width, 16));
    warning->setObjectName(QStringLiteral("lbRefusal"));
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x10, 0x10));
    warning->setPalette(red);
    constexpr int Line = 20;
    dialog->setFixedSize(dialog->width(), dialog->height() + Line);
    return Line;
}

} // namespace

TNalogForm::TNalogForm(QWidget* parent, TWindowServices& services, TTaxDialog& taxes)
    : TGameDialog(parent, tr("Налоги"), QSize(409, 249)), services_(services) {
    const TYearlyTaxes& lines = taxes.Lines();
    AddLabel(this, tr("Сегодня следует уплатить налоги за прошедший год:"), QRect(12, 8, 385, 16));
    struct TLine {
        const char* caption;
        const char* name;
        QString value;
    };
    const TLine rows[] = {
        {QT_TRANSLATE_NOOP("TNalogForm", "На землю"), "lbEarth", lines.LandText()},
        {QT_TRANSLATE_NOOP("TNalogForm", "На покупку ресурсов"), "lbBuy", lines.BuyingText()},
        {QT_TRANSLATE_NOOP("TNalogForm", "На продажу ресурсов"), "lbSale", lines.SellingText()},
        {QT_TRANSLATE_NOOP("TNalogForm", "В экологический фонд"), "lbEcology",
         NumToStr(lines.EcologyFund)},
        {QT_TRANSLATE_NOOP("TNalogForm", "В различные социальные фонды"), "lbSocial",
         NumToStr(lines.SocialFund)},
        {QT_TRANSLATE_NOOP("TNalogForm", "На пользование природными ресурсами"), "lbRes",
         NumToStr(lines.ResourcesFund)},
        {QT_TRANSLATE_NOOP("TNalogForm", "Итого"), "lbItog", NumToStr(lines.Total)},
    };
    int top = 32;
    for (const TLine& row : rows) {
        const bool total = QLatin1String(row.name) == QLatin1String("lbItog");
        if (total)
            top += 6;
        QLabel* caption = AddLabel(this, tr(row.caption), QRect(12, top, 215, 16));
        QLabel* value =
            AddLabel(this, row.value, QRect(227, top, 170, 16), Qt::AlignRight | Qt::AlignVCenter);
        value->setObjectName(QString::fromLatin1(row.name));
        if (total) {
            QFont bold = value->font();
            bold.setBold(true);
            caption->setFont(bold);
            value->setFont(bold);
        }
        top += 20;
    }
    top += AddRefusalWarning(this, taxes, top + 8, 385);
    AddLabel(this, tr("Вы готовы уплатить налоги прямо сейчас?"), QRect(12, top + 8, 385, 16));
    AddButtons(this, taxes, top + 36);
}

void TNalogForm::ShowModal() {
    services_.Sound(TSound::Nalog);
    exec();
}

TNalogMainForm::TNalogMainForm(QWidget* parent, TWindowServices& services, TTaxDialog& tax)
    : TGameDialog(parent, tr("Главный налог"), QSize(329, 161)), services_(services) {
    AddLabel(this,
             tr("Сегодня следует уплатить Главный налог. Налог выплачивается каждые "
                "10 лет. На сегодня сумма налога составляет:"),
             QRect(12, 8, 305, 44), Qt::AlignLeft | Qt::AlignTop);
    QLabel* lbItog = AddLabel(this, tax.AmountText(), QRect(12, 58, 305, 22), Qt::AlignCenter);
    lbItog->setObjectName(QStringLiteral("lbItog"));
    QFont bold = lbItog->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    lbItog->setFont(bold);
    const int below = AddRefusalWarning(this, tax, 92, 305);
    AddLabel(this, tr("Вы готовы уплатить Главный налог прямо сейчас?"),
             QRect(12, 92 + below, 305, 16));
    AddButtons(this, tax, 126 + below);
}

void TNalogMainForm::ShowModal() {
    services_.Sound(TSound::Nalog);
    exec();
}
