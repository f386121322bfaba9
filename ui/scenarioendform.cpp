#include "scenarioendform.h"

#include "model/records.h"
#include "model/services.h"
#include "ui/smallcontrols.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace {

constexpr QSize MedalSize(80, 112);

// Why a lost scenario was lost: the failure met, or the required goal that
// failed, in the book's order.
QString LossReason(const TGoalBook& goals) {
    for (size_t i = 0; i < goals.Goals().size(); ++i) {
        const TGoal& goal = goals.Goals()[i];
        if (goals.Progress()[i].State != TGoalState::Failed)
            continue;
        if (goal.Role == TGoalRole::Failure)
            return TScenarioEndForm::tr("Причина: %1").arg(goal.Text);
        if (goal.Role == TGoalRole::Required)
            return TScenarioEndForm::tr("Не выполнена цель: %1").arg(goal.Text);
    }
    return QString();
}

QString EndText(const TScenarioResult& result, const TGoalBook& goals, bool newRecord) {
    if (result.State != TScenarioState::Won) {
        const QString lost = TScenarioEndForm::tr("Сценарий «%1» проигран.").arg(result.Title);
        const QString reason = LossReason(goals);
        return reason.isEmpty() ? lost : lost + QStringLiteral("\n\n") + reason;
    }
    QString text = TScenarioEndForm::tr("Сценарий «%1» выполнен!").arg(result.Title) + u'\n';
    if (result.Medal != TMedal::None) {
        QString medal = MedalName(result.Medal);
        medal[0] = medal[0].toUpper();
        text += medal + u'\n';
    }
    text += u'\n' + ResultText(result);
    if (newRecord)
        text += QStringLiteral("\n\n") + TScenarioEndForm::tr("Это ваш новый рекорд.");
    return text;
}

} // namespace

QImage DrawMedal(TMedal medal, QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    if (medal == TMedal::None)
        return picture;
    // The metal's light, middle and dark tones.
    struct TMetal {
        QColor Light, Middle, Dark;
    };
    const TMetal metals[] = {
        {QColor(255, 240, 150), QColor(218, 172, 40), QColor(140, 100, 10)},
        {QColor(250, 250, 250), QColor(180, 184, 190), QColor(105, 108, 115)},
        {QColor(245, 190, 135), QColor(190, 115, 50), QColor(115, 62, 20)},
    };
    const TMetal& metal = metals[static_cast<size_t>(medal)];
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal radius = std::min(w / 2, h * 0.35) - 1;
    const QPointF centre(w / 2, h - radius - 1);

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The ribbon: two bands, red and blue, meeting behind the disc.
    const qreal band = w * 0.22;
    const std::pair<qreal, QColor> bands[] = {{-1, QColor(170, 30, 30)}, {1, QColor(30, 60, 150)}};
    for (const auto& [side, colour] : bands) {
        QPainterPath path;
        path.moveTo(w / 2 + side * (w / 2 - band), 0);
        path.lineTo(w / 2 + side * (w / 2 - band) + side * band, 0);
        path.lineTo(w / 2 + side * band / 2, centre.y());
        path.lineTo(w / 2 - side * band / 2, centre.y());
        path.closeSubpath();
        painter.fillPath(path, colour);
    }
    // The disc, lit from the top left, with its rim.
    QRadialGradient light(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    light.setColorAt(0, metal.Light);
    light.setColorAt(0.6, metal.Middle);
    light.setColorAt(1, metal.Dark);
    painter.setPen(QPen(metal.Dark, 2));
    painter.setBrush(light);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(metal.Dark, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.8, radius * 0.8);
    // A five-pointed star in the middle.
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0 ? 0.55 : 0.22) * radius;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal.Dark);
    painter.drawPolygon(star);
    return picture;
}

TScenarioEndForm::TScenarioEndForm(QWidget* parent, TWindowServices& services,
                                   const TScenarioResult& result, const TGoalBook& goals,
                                   bool newRecord)
    : TGameDialog(parent,
                  result.State == TScenarioState::Won ? tr("Сценарий выполнен")
                                                      : tr("Сценарий проигран"),
                  QSize(360, 200)),
      services_(services), won_(result.State == TScenarioState::Won) {
    int left = 16;
    if (result.Medal != TMedal::None) {
        pcMedal = new QLabel(this);
        pcMedal->setObjectName(QStringLiteral("pcMedal"));
        pcMedal->setGeometry(QRect(QPoint(16, 16), MedalSize));
        pcMedal->setPixmap(QPixmap::fromImage(DrawMedal(result.Medal, MedalSize)));
        left = 112;
    }
    lbText = new QLabel(this);
    lbText->setObjectName(QStringLiteral("lbText"));
    lbText->setGeometry(left, 16, 344 - left, 144);
    lbText->setTextFormat(Qt::PlainText);
    lbText->setWordWrap(true);
    lbText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbText->setText(EndText(result, goals, newRecord));

    auto* bt1 = new TvtButton(tr("ОК"), this);
    bt1->setObjectName(QStringLiteral("bt1"));
    bt1->setGeometry(143, 170, 73, 21);
    bt1->Default = true;
    bt1->Cancel = true;
    bt1->OnClick = [this] { services_.Sound(TSound::Button); };
}

void TScenarioEndForm::ShowModal() {
    services_.Sound(won_ ? TSound::Hello : TSound::Destroy);
    exec();
}
