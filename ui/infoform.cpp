#include "infoform.h"

#include "model/services.h"
#include "ui/smallcontrols.h"

#include <QLabel>

TInfoForm::TInfoForm(QWidget* parent, TWindowServices& services, TSound sound, const QString& text)
    : TGameDialog(parent, tr("Сообщение"), QSize(313, 125)), services_(services), sound_(sound) {
    auto* lb1 = new QLabel(this);
    lb1->setObjectName(QStringLiteral("lb1"));
    lb1->setGeometry(16, 16, 289, 80);
    lb1->setTextFormat(Qt::PlainText);
    lb1->setWordWrap(true);
    lb1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lb1->setText(text);

    auto* bt1 = new TvtButton(tr("ОК"), this);
    bt1->setObjectName(QStringLiteral("bt1"));
    bt1->setGeometry(120, 96, 73, 21);
    bt1->Default = true;
    bt1->Cancel = true;
    bt1->OnClick = [this] { services_.Sound(TSound::Button); };
}

void TInfoForm::ShowModal() {
    services_.Sound(sound_);
    exec();
}
