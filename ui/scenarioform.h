#pragma once

#include "model/basetype.h"
#include "model/records.h"
#include "model/scenario.h"
#include "ui/gamedialog.h"

#include <QImage>
#include <array>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QRadioButton;
class TvtButton;
class TWindowServices;

// The choice of a scenario to play: its title, its level, its description,
// its land's overview and the player's best result in it, and the level to
// play it at unless the scenario fixes its own. A file that does not read is
// listed with its first fault and cannot be started.
class TScenarioForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TScenarioForm)

public:
    // The scenarios of the SCENARIOS of the data folder and the save folder,
    // read against the catalogues; their lands are looked up in the folders'
    // MAPS.
    TScenarioForm(QWidget* parent, TWindowServices& services, const TBaseTypeList& catalogue,
                  const TEventTypeList& events, const QString& dataFolder,
                  const QString& saveFolder, const TRecords& records);

    // The scenario chosen now; none for a file that does not read.
    std::shared_ptr<const TScenario> Choice() const;
    TDifficulty Difficulty() const;
    // Shows the dialog modally; true when the player pressed "Начать".
    bool ShowModal();

    QListWidget* lbScenarios = nullptr;
    QLabel* pcPreview = nullptr;
    QLabel* lbTitle = nullptr;
    QLabel* lbDifficulty = nullptr;
    QLabel* lbRecord = nullptr;
    QLabel* lbDescription = nullptr;
    std::array<QRadioButton*, DifficultyCount> rbDifficulty{};
    TvtButton* btOk = nullptr;

private:
    // A file of the list: its scenario, or the first fault that keeps it
    // from being read; the overview is drawn when it is first chosen.
    struct TEntry {
        std::shared_ptr<const TScenario> Scenario;
        QString Error;
        QString FileName; // of a file that does not read
        mutable QImage Preview;
        mutable bool Drawn = false;
    };

    void ChoiceChanged();
    void ShowRecord();
    const TEntry* Current() const;

    TWindowServices& services_;
    QStringList mapFolders_;
    const TRecords& records_;
    std::vector<TEntry> entries_;
};
