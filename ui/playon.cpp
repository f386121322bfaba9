#include "ui/playon.h"

#include "model/services.h"
#include "ui/smallcontrols.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

void TRunPacer::Begin(int pace, double framesPerSecond) {
    running_ = true;
    stopped_ = false;
    pace_ = std::max(pace, 0);
    days_ = 0;
    frameMs_ = framesPerSecond > 0 ? static_cast<int64_t>(1000 / framesPerSecond) : 16;
    clock_.start();
    lastFrame_ = 0;
    qApp->installEventFilter(this);
}

void TRunPacer::End() {
    qApp->removeEventFilter(this);
    running_ = false;
    // The last day shows at once, whatever the pace.
    if (OnFrame)
        OnFrame();
    QCoreApplication::processEvents();
}

void TRunPacer::Stop() {
    stopped_ = true;
    if (waiting_)
        waiting_->quit();
}

bool TRunPacer::GoesOn() {
    ++days_;
    if (pace_ == 0) {
        if (clock_.elapsed() - lastFrame_ >= frameMs_)
            Frame();
        return !stopped_;
    }
    Frame();
    // The day's time runs from the run's start, so that slow days do not
    // add up into a slower pace.
    const int64_t due = days_ * 1000 / pace_;
    while (!stopped_) {
        const int64_t left = due - clock_.elapsed();
        if (left <= 0)
            break;
        QEventLoop loop;
        waiting_ = &loop;
        listening_ = true;
        QTimer::singleShot(std::chrono::milliseconds(left), &loop, &QEventLoop::quit);
        loop.exec();
        listening_ = false;
    }
    return !stopped_;
}

void TRunPacer::Frame() {
    lastFrame_ = clock_.elapsed();
    if (OnFrame)
        OnFrame();
    listening_ = true;
    QCoreApplication::processEvents();
    listening_ = false;
}

bool TRunPacer::eventFilter(QObject* watched, QEvent* event) {
    // The dialogs a day opens take their keys and clicks as ever.
    if (!listening_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // No shortcut of the menus runs while the game plays: the key stops it.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Modifiers go with the wheel (Shift scrolls); the key that began
        // the run repeats while it is held.
        const bool modifier = key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
                              key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta;
        if (modifier)
            return false;
        if (!key->isAutoRepeat())
            Stop();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Stop();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

QString PaceName(int pace) {
    if (pace <= 0)
        return QCoreApplication::translate("PlayOn", "Как можно быстрее");
    return QCoreApplication::translate("PlayOn", "%n дней в секунду", nullptr, pace);
}

namespace {

QDate ToQDate(const TGameDate& date) {
    return {date.Year, date.Month, date.Day};
}

} // namespace

TPlayOnForm::TPlayOnForm(QWidget* parent, TWindowServices& services, const TSettings& settings,
                         const TGameDate& today)
    : TGameDialog(parent, tr("Играть дальше"), QSize(300, 250)) {
    auto* caption = new QLabel(tr("Играть день за днём:"), this);
    caption->setGeometry(12, 10, 276, 16);
    gbLimit = new QButtonGroup(this);
    int top = 30;
    for (const TRunLimitRow& row : RunLimits()) {
        auto* button = new QRadioButton(QCoreApplication::translate("PlayOn", row.Name), this);
        button->setObjectName(QStringLiteral("rbLimit_") + QLatin1String(row.Key));
        button->setGeometry(24, top, 150, 20);
        gbLimit->addButton(button, static_cast<int>(row.Limit));
        button->setChecked(row.Limit == settings.RunLimit);
        top += 22;
    }
    // The date stands beside its choice, from tomorrow on.
    edUntil = new QDateEdit(this);
    edUntil->setObjectName(QStringLiteral("edUntil"));
    edUntil->setGeometry(150, top - 22, 110, 21);
    edUntil->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edUntil->setCalendarPopup(true);
    const QDate tomorrow = ToQDate(DaysAfter(today, 1));
    edUntil->setDateRange(tomorrow, tomorrow.addYears(200));
    const TGameDate until =
        settings.RunUntil && *settings.RunUntil > today ? *settings.RunUntil : DaysAfter(today, 30);
    edUntil->setDate(ToQDate(until));
    const auto follow = [this] {
        edUntil->setEnabled(gbLimit->checkedId() == static_cast<int>(TRunLimit::Date));
    };
    connect(gbLimit, &QButtonGroup::idToggled, this, follow);
    follow();

    auto* paceCaption = new QLabel(tr("Скорость:"), this);
    paceCaption->setGeometry(12, top + 8, 80, 16);
    cbPace = new QComboBox(this);
    cbPace->setObjectName(QStringLiteral("cbPace"));
    cbPace->setGeometry(96, top + 6, 164, 21);
    paceCaption->setBuddy(cbPace);
    for (const int pace : RunPaces) {
        cbPace->addItem(PaceName(pace), pace);
        if (pace == settings.RunPace)
            cbPace->setCurrentIndex(cbPace->count() - 1);
    }

    auto* note = new QLabel(tr("Игра остановится и раньше: налог, цель, сообщение в окне. "
                               "Любая клавиша или щелчок тоже останавливают её."),
                            this);
    note->setGeometry(12, top + 36, 276, 48);
    note->setWordWrap(true);
    btOk = AddOkCancel(tr("Играть"), QPoint(64, 220), services);
}

bool TPlayOnForm::ShowModal() {
    return exec() == Accepted;
}

void TPlayOnForm::Apply(TSettings& settings) const {
    settings.RunLimit = static_cast<TRunLimit>(std::max(gbLimit->checkedId(), 0));
    const QDate until = edUntil->date();
    settings.RunUntil =
        TGameDate{static_cast<uint16_t>(until.year()), static_cast<int8_t>(until.month()),
                  static_cast<int8_t>(until.day())};
    settings.RunPace = cbPace->currentData().toInt();
}
