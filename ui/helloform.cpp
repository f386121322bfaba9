#include "helloform.h"

#include "model/services.h"
#include "resources/datamodule.h"
#include "ui/smallcontrols.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace {

// The dialog results of the choices.
constexpr int ResultOk = QDialogButtonBox::Ok;
constexpr int ResultOpen = QDialogButtonBox::Open;
constexpr int ResultCancel = QDialogButtonBox::Cancel;
constexpr int ResultTutorial = QDialogButtonBox::Help;

// The game's name on the picture's sky, in gilded letters drawn at the
// screen's own resolution; a label, so that a screen reader reads it.
class TGameNameLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QFont serif(QStringLiteral("Liberation Serif"));
        serif.setPixelSize(64);
        serif.setBold(true);
        serif.setItalic(true);
        QPainterPath name;
        name.addText(0, 0, serif, text());
        const QRectF box = name.boundingRect();
        // Wider names than the sky shrink to fit it.
        const double scale = std::min(1.0, (width() - 24) / box.width());
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(width() / 2.0, height() / 2.0);
        p.scale(scale, scale);
        p.translate(-box.center());
        QLinearGradient gold(0, box.top(), 0, box.bottom());
        gold.setColorAt(0, QColor(255, 236, 150));
        gold.setColorAt(1, QColor(215, 150, 40));
        p.setBrush(gold);
        p.setPen(QPen(QColor(60, 35, 10), 2.5));
        p.drawPath(name);
    }
};
constexpr int ResultScenario = QDialogButtonBox::Apply;

} // namespace

THelloForm::THelloForm(QWidget* parent, TWindowServices& services, const QString& saveName,
                       const QString& saveDate, bool offerTutorial)
    : TGameDialog(parent, tr("Тарвения"), QSize(449, 253)), services_(services) {
    QFrame* pn1 = LoweredPanel(this, QRect(0, 0, 449, 253));
    auto* im1 = new QLabel(pn1);
    im1->setObjectName(QStringLiteral("im1"));
    im1->setGeometry(1, 1, 447, 251);
    im1->setPixmap(TDM::LoadPicture(QStringLiteral(":/images/title.png")));
    auto* name = new TGameNameLabel(tr("Тарвения"), pn1);
    name->setObjectName(QStringLiteral("lbName"));
    name->setGeometry(1, 7, 447, 80);
    // The line under the game's name on the picture's sky.
    auto* motto = new QLabel(tr("колония за морем, 1890 год"), pn1);
    motto->setObjectName(QStringLiteral("lbMotto"));
    motto->setGeometry(1, 79, 447, 20);
    motto->setAlignment(Qt::AlignCenter);
    QFont serif(QStringLiteral("Liberation Serif"));
    serif.setPixelSize(15);
    serif.setItalic(true);
    motto->setFont(serif);
    motto->setStyleSheet(QStringLiteral("color: rgb(255, 248, 230); background: transparent;"));

    struct TChoiceLabel {
        const char* name;
        const char* text;
        QPoint at;
        int result;
    };
    const TChoiceLabel labels[] = {
        {"lb1", QT_TRANSLATE_NOOP("THelloForm", "Начать новую игру"), {33, 161}, ResultOk},
        {"lb2", QT_TRANSLATE_NOOP("THelloForm", "Загрузить сохранение"), {121, 201}, ResultOpen},
        {"lb3", QT_TRANSLATE_NOOP("THelloForm", "Выход"), {369, 209}, ResultCancel},
        // The ways in for a newcomer, under the new game.
        {"lbTutorial", QT_TRANSLATE_NOOP("THelloForm", "Обучение"), {33, 181}, ResultTutorial},
        {"lbScenario", QT_TRANSLATE_NOOP("THelloForm", "Сценарии"), {33, 201}, ResultScenario},
    };
    for (const TChoiceLabel& l : labels) {
        auto* label = new TvtGyperLabel(tr(l.text), pn1);
        label->setObjectName(QString::fromLatin1(l.name));
        label->move(l.at);
        label->adjustSize();
        const int result = l.result;
        label->OnClick = [this, result] { Choose(result); };
    }
    pn1->findChild<QLabel*>(QStringLiteral("lbTutorial"))->setVisible(offerTutorial);
    QLabel* load = pn1->findChild<QLabel*>(QStringLiteral("lb2"));
    load->setVisible(!saveName.isEmpty());
    // Under the choice, in small letters, what it loads: the file's name, cut
    // to the room beside the trees, and the colony's date.
    auto* save = new QLabel(pn1);
    save->setObjectName(QStringLiteral("lbSave"));
    save->setTextFormat(Qt::PlainText);
    QFont small = save->font();
    small.setPixelSize(10); // a size smaller than the dialogs' 11 pixels
    save->setFont(small);
    constexpr int SaveWidth = 140;
    save->setGeometry(load->x(), load->y() + load->height() + 1, SaveWidth,
                      2 * QFontMetrics(small).lineSpacing());
    save->setText(QFontMetrics(small).elidedText(saveName, Qt::ElideMiddle, SaveWidth) + u'\n' +
                  saveDate);
    save->setToolTip(saveName);
    save->setVisible(!saveName.isEmpty());

    tm1.setInterval(110);
    tm1.setSingleShot(true);
    connect(&tm1, &QTimer::timeout, this, [this] { services_.Sound(TSound::Hello); });
}

void THelloForm::Choose(int result) {
    services_.Sound(TSound::Button);
    done(result);
}

THelloForm::TChoice THelloForm::ShowHello() {
    tm1.start();
    switch (exec()) {
    case ResultOk:
        return hcNewGame;
    case ResultOpen:
        return hcLoad;
    case ResultTutorial:
        return hcTutorial;
    case ResultScenario:
        return hcScenario;
    default:
        return hcExit;
    }
}

void THelloForm::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        Choose(ResultOk);
    } else if (plain && event->key() == Qt::Key_Escape) {
        Choose(ResultCancel);
    } else {
        TGameDialog::keyPressEvent(event);
    }
}
