#pragma once

#include "model/replay.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QStyle;
class TDM;
class TEarth;
class TMapView;
class TvtPlaceBox;

// The game in play watched again from the day its log began: the colony
// grows on a map of its own at one of play on's paces, and the slider takes
// it to any day. The game in play is only read, as the window opens.
class TReplayForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TReplayForm)

public:
    // The earth is the land the game is played on; it and the catalogues
    // must outlive the window, which shows them modally. Plays at once at
    // the pace, one of RunPaces.
    TReplayForm(QWidget* parent, const TReplayGame& game, TEarth& earth, const TDM& images,
                int pace);
    ~TReplayForm() override;

    // Plays from the day shown at the pace chosen, or stops; played to the
    // end, it begins again.
    void SetPlaying(bool playing);
    bool Playing() const { return timer_.isActive(); }
    // Shows the colony as of the day, 0 being the first.
    void ShowDay(int32_t day);
    const TReplayer& Replayer() const { return replayer_; }

    TvtPlaceBox* pb1 = nullptr;
    QPushButton* btPlay = nullptr;
    QSlider* slDate = nullptr;
    QLabel* lbDate = nullptr;
    QLabel* lbFigures = nullptr;
    QComboBox* cbPace = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The days a tick of the timer plays, at the pace chosen.
    void Tick();
    int Pace() const;

    TReplayer replayer_;
    std::unique_ptr<TMapView> view_;
    std::unique_ptr<QStyle> sliderStyle_; // the date slider's
    QTimer timer_;
    QElapsedTimer clock_;
    int64_t played_ = 0; // days played since the clock began
    bool centred_ = false;
};
