#pragma once

#include "ui/gamedialog.h"
#include "ui/settings.h"

#include <array>

class QCheckBox;
class QComboBox;
class QSlider;
class TWindowServices;

// The settings dialog: the sound and the music with their volumes, the
// monthly autosave, the question before an unsaved game is thrown away, full
// screen at start, the language of the next start, and which kinds of
// message show quietly. "ОК" keeps what the player set, "Отмена" and
// Escape keep the settings as they were.
class TSettingsForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TSettingsForm)

public:
    TSettingsForm(QWidget* parent, TWindowServices& services, const TSettings& settings);

    // The settings as the dialog shows them now.
    TSettings Settings() const;
    // Shows the dialog modally; true when the player pressed "ОК".
    bool ShowModal();

private:
    TWindowServices& services_;
    TSettings given_;
    QCheckBox* cbSound = nullptr;
    QSlider* tbSound = nullptr;
    QCheckBox* cbMusic = nullptr;
    QSlider* tbMusic = nullptr;
    QCheckBox* cbAutosave = nullptr;
    QCheckBox* cbAsk = nullptr;
    QCheckBox* cbFullScreen = nullptr;
    QComboBox* cbLanguage = nullptr;
    std::array<QCheckBox*, MessageKindCount> cbQuiet{};
};
