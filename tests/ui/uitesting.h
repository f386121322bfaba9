#pragma once

#include "resources/datamodule.h"
#include "ui/mainform.h"
#include "ui/soundplayer.h"

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

// A sound output that only notes what the game asked to play.
class TListeningSoundPlayer : public TSoundPlayer {
public:
    explicit TListeningSoundPlayer(QStringList& heard) : heard_(heard) {}
    void PlayResSound(const QString& name) override { heard_ << name; }

private:
    QStringList& heard_;
};

// Answers every modal dialog that opens while it lives, the way a player
// would, and notes the dialogs' titles in order.
class TDialogAnswerer {
public:
    explicit TDialogAnswerer(std::function<void(QDialog&)> answer);
    ~TDialogAnswerer();

    QStringList Titles;

private:
    std::function<void(QDialog&)> answer_;
    QTimer timer_;
};

// The tooltip a widget shows when the mouse rests on it.
QString ShownHint(QWidget& widget);

// Presses Enter on a dialog, or Escape.
void PressEnter(QWidget& widget);
void PressEscape(QWidget& widget);

// How long a test waits for the forecast's futures, in milliseconds: under
// the sanitizers on a busy machine they play for a minute and more.
inline constexpr int ForecastWait = 300000;

// The main window over the test island of tests/data/sim, or the game data
// of another folder, with listened sounds and a save folder of its own.
struct TGameWindow {
    explicit TGameWindow(const QString& folder = QStringLiteral(TARVENIA_TEST_DATA "/sim"));

    // A folder of its own for the saves, set before the window is made.
    struct TSaveDir : QTemporaryDir {
        TSaveDir() { qputenv("TARVENIA_SAVE_DIR", path().toUtf8()); }
    } SaveDir;
    TDM Images;
    QStringList Heard;
    TMainForm Form;
};
