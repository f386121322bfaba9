#pragma once

#include "base/language.h"
#include "model/advicekind.h"
#include "model/gamedate.h"
#include "model/messagekind.h"
#include "model/playon.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>
#include <span>
#include <variant>

// The player's settings, kept across runs in the user's configuration
// (~/.config/tarvenia/tarvenia.conf): nothing else is written there. A field's
// initializer is its default; each field has its row in StoredSettings().
struct TSettings {
    static constexpr int MaxVolume = 100;

    bool Sound = true;
    int SoundVolume = MaxVolume;
    bool Music = true;
    // As the music player's default: its pieces are mixed quieter than the
    // sounds.
    int MusicVolume = 80;
    bool Autosave = true;
    // Whether a changed game is offered to be saved before it is thrown away.
    bool AskBeforeDiscard = true;
    bool FullScreen = false;
    // The language of the game's texts, taken at the next start.
    TLanguage Language = TLanguage::System;
    // Where the player last put the side windows; none while the game
    // places them beside its window.
    std::optional<QPoint> StatisticsAt;
    std::optional<QPoint> GoalsAt;
    std::optional<QPoint> JournalAt;
    std::optional<QPoint> AdvisorAt;
    // The game's window as the player left it: its place and size when not
    // maximised, and whether it was; none at first, for today's size in the
    // middle of the screen.
    std::optional<QPoint> WindowAt;
    std::optional<QSize> WindowSize;
    bool Maximised = false;
    // The kinds of message shown as a line in the status line instead of a
    // window.
    TQuietMessages QuietMessages;
    // Play on: how far a run goes, the date of a run to a date, and its pace
    // in days a second (0: as fast as the machine goes).
    TRunLimit RunLimit = TRunLimit::Tax;
    std::optional<TGameDate> RunUntil;
    int RunPace = 10;
    // The kinds of the advisor's warning whose new ones stop play on.
    TAdviceStops AdviceStops;
    // When the crash the game last told of was written (Crash.log's time,
    // as ISO text), so that each crash is told of once.
    QString CrashSeen;

    // The stored settings; what is missing or malformed keeps its default.
    static TSettings Load();
    // Writes the settings at once; false when the file could not be written
    // (a folder that cannot be made or written to, say).
    bool Save() const;
    // The file the settings are kept in.
    static QString FileName();

    bool operator==(const TSettings&) const = default;
};

// A setting as the file keeps it: its key and its field; a number read back
// is brought into its range.
struct TStoredSetting {
    const char* Key;
    std::variant<bool TSettings::*, int TSettings::*, TLanguage TSettings::*,
                 std::optional<QPoint> TSettings::*, std::optional<QSize> TSettings::*,
                 TQuietMessages TSettings::*, TAdviceStops TSettings::*, TRunLimit TSettings::*,
                 std::optional<TGameDate> TSettings::*, QString TSettings::*>
        Field;
    int Min = 0;
    int Max = 0;
};

// Every stored setting, one row a field; Load and Save are made from them.
std::span<const TStoredSetting> StoredSettings();
