#include "seasonform.h"

#include "model/gamedate.h"
#include "model/services.h"
#include "resources/datamodule.h"
#include "ui/smallcontrols.h"

#include <QFrame>
#include <QLabel>

TSeasonForm::TSeasonForm(QWidget* parent, TWindowServices& services, const TDM& images, int season)
    : TGameDialog(parent, SeasonName(season), QSize(201, 149)), services_(services) {
    QFrame* pn1 = LoweredPanel(this, QRect(40, 8, 125, 61));
    auto* pc1 = new TvtPic(pn1);
    pc1->setObjectName(QStringLiteral("pc1"));
    pc1->setGeometry(2, 2, 121, 57);
    pc1->SetImages(&images.imlSeasons);
    pc1->SetImageIndex(season);

    auto* lb1 = new QLabel(this);
    lb1->setObjectName(QStringLiteral("lb1"));
    lb1->setGeometry(8, 88, 185, 16);
    lb1->setTextFormat(Qt::PlainText);
    lb1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lb1->setText(SeasonArrivalText(season));

    auto* bt1 = new TvtButton(tr("ОК"), this);
    bt1->setObjectName(QStringLiteral("bt1"));
    bt1->setGeometry(64, 120, 73, 21);
    bt1->Default = true;
    bt1->Cancel = true;
    bt1->OnClick = [this] { services_.Sound(TSound::Button); };
}

void TSeasonForm::ShowModal() {
    services_.Sound(TSound::Season);
    exec();
}
