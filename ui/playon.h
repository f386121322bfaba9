#pragma once

#include "model/gamedate.h"
#include "model/playon.h"
#include "ui/gamedialog.h"
#include "ui/settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QEventLoop;
class TvtButton;
class TWindowServices;

// The paces the player picks from, slowest first; 0 is the fastest.
inline constexpr std::array<int, 5> RunPaces{2, 5, 10, 30, 0};

// The window's side of a run: paces the days, shows each as it passes with
// at most one frame each refresh of the screen, and stops the run at the
// player's first key or click, which does nothing else. Between its days
// the window answers as ever: it scrolls, zooms and repaints.
class TRunPacer : public QObject {
public:
    // Begins a run at the pace; frames at most framesPerSecond.
    void Begin(int pace, double framesPerSecond);
    // After a day: shows it when a frame is due and waits out the pace;
    // false once the player asked to stop.
    bool GoesOn();
    void End();
    bool Running() const { return running_; }
    // At the fastest pace the days are shown once a frame: OnFrame brings
    // the window up to date before each frame and at the run's end.
    bool ShowsByFrame() const { return running_ && pace_ == 0; }
    std::function<void()> OnFrame;
    // Ends the run after the day being played, as a key would.
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Lets the window take its events: paints, the player's input.
    void Frame();

    bool running_ = false;
    bool stopped_ = false;
    bool listening_ = false;
    int pace_ = 0;
    int64_t days_ = 0;
    int64_t frameMs_ = 16;
    int64_t lastFrame_ = 0;
    QElapsedTimer clock_;
    QPointer<QEventLoop> waiting_;
};

// The play-on dialog: the limit of the runs, their pace, and «Играть» to
// play on with them at once.
class TPlayOnForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TPlayOnForm)

public:
    TPlayOnForm(QWidget* parent, TWindowServices& services, const TSettings& settings,
                const TGameDate& today);
    // True when the player chose to play; Apply then keeps the choice.
    bool ShowModal();
    void Apply(TSettings& settings) const;

    QButtonGroup* gbLimit = nullptr;
    QDateEdit* edUntil = nullptr;
    QComboBox* cbPace = nullptr;
    TvtButton* btOk = nullptr;
};

// "10 дней в секунду", or "Как можно быстрее" for 0.
QString PaceName(int pace);
