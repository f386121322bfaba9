#include "ui/replayform.h"

#include "land/earth.h"
#include "map/mapview.h"
#include "map/placebox.h"
#include "model/colony.h"
#include "model/describe.h"
#include "ui/playon.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A tick of the timer, about a refresh of the screen.
constexpr int TickMs = 16;
// At the fastest pace, the most a tick spends playing days.
constexpr int64_t FastestTickMs = 12;

// A click on the groove takes the slider there, not a page on: a long
// game's years are a click away.
class TJumpStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Slider_AbsoluteSetButtons)
            return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TReplayForm::TReplayForm(QWidget* parent, const TReplayGame& game, TEarth& earth, const TDM& images,
                         int pace)
    : QDialog(parent), replayer_(game) {
    setObjectName(QStringLiteral("ReplayForm"));
    setWindowTitle(tr("Повтор игры"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    auto* column = new QVBoxLayout(this);
    pb1 = new TvtPlaceBox(this);
    pb1->setObjectName(QStringLiteral("pb1"));
    pb1->setAccessibleName(QCoreApplication::translate("ScreenReader", "Карта"));
    pb1->setMinimumSize(320, 200);
    pb1->MouseDrag = true;
    pb1->setFocusPolicy(Qt::StrongFocus);
    pb1->Initialize(MapCols, MapRows, CellSize, CellSize);
    column->addWidget(pb1, 1);
    view_ = std::make_unique<TMapView>(*pb1, earth, images);

    auto* row = new QHBoxLayout;
    btPlay = new QPushButton(this);
    btPlay->setObjectName(QStringLiteral("btPlay"));
    btPlay->setAutoDefault(false);
    connect(btPlay, &QPushButton::clicked, this, [this] { SetPlaying(!Playing()); });
    row->addWidget(btPlay);
    slDate = new QSlider(Qt::Horizontal, this);
    slDate->setObjectName(QStringLiteral("slDate"));
    slDate->setAccessibleName(tr("Дата"));
    slDate->setRange(0, replayer_.Days());
    slDate->setPageStep(30);
    // Room for the hand at the window's smallest, too.
    slDate->setMinimumWidth(160);
    sliderStyle_ = std::make_unique<TJumpStyle>();
    slDate->setStyle(sliderStyle_.get());
    connect(slDate, &QSlider::valueChanged, this, [this](int day) {
        if (day != replayer_.Day())
            ShowDay(day);
    });
    // The player's hand on the slider stops the play.
    connect(slDate, &QSlider::sliderPressed, this, [this] { SetPlaying(false); });
    connect(slDate, &QSlider::actionTriggered, this, [this] { SetPlaying(false); });
    row->addWidget(slDate, 1);
    lbDate = new QLabel(this);
    lbDate->setObjectName(QStringLiteral("lbDate"));
    row->addWidget(lbDate);
    lbFigures = new QLabel(this);
    lbFigures->setObjectName(QStringLiteral("lbFigures"));
    row->addWidget(lbFigures);
    cbPace = new QComboBox(this);
    cbPace->setObjectName(QStringLiteral("cbPace"));
    cbPace->setAccessibleName(tr("Скорость"));
    for (const int each : RunPaces)
        cbPace->addItem(PaceName(each), each);
    cbPace->setCurrentIndex(std::max(0, cbPace->findData(pace)));
    connect(cbPace, &QComboBox::currentIndexChanged, this, [this] {
        if (Playing())
            SetPlaying(true); // the new pace counts from now
    });
    row->addWidget(cbPace);
    auto* btClose = new QPushButton(tr("Закрыть"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setAutoDefault(false);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(btClose);
    column->addLayout(row);

    timer_.setInterval(TickMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });

    ShowDay(0);
    // Three quarters of the screen, and no smaller than the game's window.
    const QSize screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry().size();
    resize((screen * 3 / 4).expandedTo(QSize(770, 520)).boundedTo(screen));
    SetPlaying(true);
}

TReplayForm::~TReplayForm() {
    view_.reset();
    // The slider goes with the window, after its style.
    slDate->setStyle(nullptr);
}

void TReplayForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (centred_)
        return;
    // The colony's first cell in the middle, once the map has its size.
    centred_ = true;
    const TColonyState& start = replayer_.Start();
    pb1->CenterPoint(start.SelectedColumn * CellSize + CellSize / 2,
                     start.SelectedRow * CellSize + CellSize / 2);
}

int TReplayForm::Pace() const {
    return cbPace->currentData().toInt();
}

void TReplayForm::SetPlaying(bool playing) {
    if (playing && replayer_.Day() >= replayer_.Days())
        ShowDay(0);
    if (playing && replayer_.Days() > 0) {
        clock_.start();
        played_ = 0;
        timer_.start();
    } else {
        timer_.stop();
    }
    btPlay->setText(Playing() ? tr("Пауза") : tr("Смотреть"));
}

void TReplayForm::Tick() {
    if (const int pace = Pace(); pace > 0) {
        const int64_t due = clock_.elapsed() * pace / 1000;
        if (due > played_) {
            ShowDay(replayer_.Day() + static_cast<int32_t>(due - played_));
            played_ = due;
        }
    } else {
        QElapsedTimer tick;
        tick.start();
        int32_t day = replayer_.Day();
        while (day < replayer_.Days() && tick.elapsed() < FastestTickMs)
            replayer_.Seek(++day);
        ShowDay(day);
    }
    if (replayer_.Day() >= replayer_.Days())
        SetPlaying(false);
}

void TReplayForm::ShowDay(int32_t day) {
    replayer_.Seek(day);
    const TColony& colony = replayer_.Colony();
    const TGame& game = colony.Game();
    view_->SetGame(&game);
    view_->SetSelection(QPoint(colony.SelectedColumn(), colony.SelectedRow()));
    const QSignalBlocker quiet(slDate);
    slDate->setValue(replayer_.Day());
    lbDate->setText(DateText(game.Date));
    lbFigures->setText(
        tr("Деньги: %1   Люди: %2").arg(NumToStr(game.Money), NumToStr(game.People)));
}

void TReplayForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        SetPlaying(!Playing());
        return;
    }
    QDialog::keyPressEvent(event);
}
