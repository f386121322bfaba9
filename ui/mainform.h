#pragma once

#include "land/earth.h"
#include "map/overlay.h"
#include "model/basetype.h"
#include "model/colony.h"
#include "model/eventtype.h"
#include "model/savefile.h"
#include "model/services.h"
#include "model/session.h"
#include "ui/musicplayer.h"
#include "ui/playon.h"
#include "ui/settings.h"
#include "ui/soundplayer.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class TAdviceForecast;
class TAdvisorForm;
class TAnchorPanel;
class TDM;
class TGoalsForm;
class TGuide;
class TIslandEditorForm;
class TJournalForm;
class THealthBar;
class TMapView;
class TOverlayLegend;
class TZoomBadge;
class TPanelText;
class TStatisticsForm;
class TvtGyperLabel;
class TvtPic;
class TvtPlaceBox;
class TvtPlan;
struct TPlayerCommand;

// The game's main window: the map view, the overview map, the building
// palette, the command buttons, the status panel, the status line and the
// menu. It owns the map, the catalogues and the colony, and shows the colony
// to the player as the window services the rules call.
class TMainForm : public QMainWindow, public TWindowServices, public TSessionDialogs {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)

public:
    // The start-up sequence: map, catalogues, palette and a new game, read
    // from the folder; the map's name is looked up in the folder's MAPS, then
    // in the save folder's. Throws TGameError when the map cannot be read or
    // the catalogue holds no type: the game cannot run then.
    TMainForm(const TDM& images, const QString& folder, const TMapSource& map = TMapSource());
    ~TMainForm() override;

    // Shows the start screen; false when the player chose to leave. After a
    // crash the player is first told of it, once, and offered the colony as
    // it was; loaded, it takes the start screen's place.
    bool ShowHello();
    // Shows the window, in full screen when the player's settings say so.
    void ShowGame();
    const TSettings& Settings() const { return settings_; }
    // Writes Crash.dat and Crash.log into the save folder if the game dies
    // from now on, with the game as of its last finished command.
    void GuardCrashes();

    TColony& Colony() { return *colony_; }
    // Replaces the sound output, for instance by one that only listens. A
    // clip it cannot play is told in the status line.
    void SetSoundPlayer(std::unique_ptr<TSoundPlayer> player);
    const TEarth& Earth() const { return earth_; }
    // The statistics window, opened and brought to the front.
    TStatisticsForm& OpenStatistics();
    // The goals window, opened and brought to the front.
    TGoalsForm& OpenGoals();
    // The journal window, opened and brought to the front.
    TJournalForm& OpenJournal();
    // The advisor's window, opened and brought to the front.
    TAdvisorForm& OpenAdvisor();
    // The island editor, opened and brought to the front, on the land of the
    // source when one is given.
    TIslandEditorForm& OpenEditor(const std::optional<TMapSource>& source = std::nullopt);
    // The tutorial's guide: its step's text and the control it outlines.
    const TGuide& Guide() const { return *guide_; }
    TvtPlaceBox* pb1 = nullptr;
    TvtPlan* Plan = nullptr;
    QAction* miUndo = nullptr;
    QAction* miRedo = nullptr;
    QAction* miSound = nullptr;
    QAction* miMusic = nullptr;
    QAction* miFullScreen = nullptr;
    QWidget* pnClient = nullptr;
    QWidget* pnRight = nullptr;
    QLabel* lbStatus = nullptr;
    QLabel* lbDate = nullptr;
    TPanelText* lbMoney = nullptr;
    TPanelText* lbPeople = nullptr;
    TPanelText* lbHomePlaces = nullptr;
    TPanelText* lbWorkPlaces = nullptr;
    TPanelText* lbFreePeople = nullptr;
    std::array<TPanelText*, GoodsCount> lbGoods{};
    THealthBar* pbHealth = nullptr;
    TOverlayLegend* Legend = nullptr;
    QPointer<TZoomBadge> ZoomBadge;
    TvtPic* pcSeason = nullptr;
    TvtPic* pc1 = nullptr;
    TvtPic* pcAdvice = nullptr;
    TPanelText* lbAdvice = nullptr;
    std::vector<TvtPic*> paletteButtons;

    // The palette's place of the button of a catalogue index.
    static QPoint PalettePosition(int index);

    // The commands of the menu. Those that would throw the game in play
    // away ask first whether to save it.
    void miNewClick();
    // Asks for the land and begins a new game on it.
    void miNewIslandClick();
    // Asks for a scenario and its level and begins it on its land.
    void miNewScenarioClick();
    void miLoadClick();
    void miSaveClick();
    void miSaveAsClick();
    // The play-on dialog: the runs' limit and pace, and a run with them.
    void miPlayOnClick();
    // The standing orders' dialog.
    void miOrdersClick();
    // Watches the game in play grow again from the day its log began.
    void miReplayClick();
    void miUndoClick();
    void miRedoClick();
    void miParametersClick();
    void miFullScreenClick();
    void miHelpClick();
    // The help page at a topic, over the window given.
    void ShowHelp(const QString& topic, QWidget* parent);
    // Tints the map view and the plan by the overlay, with its legend.
    void ShowOverlay(TOverlay overlay);
    void miAboutClick();
    void DrawPlanBack();

    // Begins a new game on another land, the free game or the scenario of
    // the play, or shows why its map cannot be read and leaves the game in
    // play as it was; true when it began.
    bool NewGameOn(const TMapSource& map, const TScenarioPlay& play = {});
    // The folders whose MAPS hold the maps to play: the data's, the player's.
    QStringList MapFolders() const;

    // Loads the game from the file in place of the one in play, or shows why
    // it could not and leaves the game as it was; true when it was loaded.
    bool LoadFrom(const QString& path);
    // The game's file, its changes since it was saved, the autosave and the
    // question before it is thrown away.
    TSession& Session() { return *session_; }

    // TWindowServices
    void Sound(TSound sound) override;
    void ShowStatus(const QString& text) override;
    void ShowCellStatus(const QString& info, const QString& why) override;
    void ShowResources(bool moneyOnly) override;
    void ShowGameState() override;
    void ShowInfo(TSound sound, const QString& text) override;
    void ShowNote(TMessageKind kind, const QString& text) override;
    void ShowTrades(int64_t sold, int64_t bought) override;
    void ShowSeason(int season) override;
    void RunYearlyTaxes(TTaxDialog& dialog) override;
    void RunMainTax(TTaxDialog& dialog) override;
    void RunMarket(TMarketDialog& dialog) override;
    bool Confirm(const QString& text) override;
    std::optional<int32_t> BeginRun(const TGameDate& today) override;
    bool RunGoesOn() override;
    void EndRun(const TRunResult& run) override;
    const TForecast* AdviceForecast(const TColony& colony) override;
    void UpdateCell(int column, int row) override;
    void UpdateImage() override;
    void UpdatePlan() override;
    void ShowRect(const QRect& rect) override;
    void StepSelection() override;
    void RepaintWindow() override;
    void SetBusy(bool busy) override;
    void Autosave() override;
    void ShowUndoSteps() override;
    void ShowGoals() override;
    void ScenarioEnded(const TScenarioResult& result) override;

    // TSessionDialogs; Confirm and ShowStatus serve both.
    TKeep AskToKeep() override;
    QString ChooseSaveFile(const QString& folder, const QString& proposedName) override;
    void ShowError(const QString& text) override;

private:
    // Shows the game as it stands: its figures, the map, the side windows.
    void RefreshGameState();
    // Shows the game if a day passed since it was last shown.
    void ShowDueState();
    // The advisor's warnings as they stand, on the status panel and in its
    // window, and its forecast asked again when the colony moved on.
    void FollowAdvice();
    // Shows what a warning of the advisor is about.
    void GoTo(const TAdvice& advice);
    // Centres the map on a cell and selects it.
    void ShowCellOnMap(QPoint cell);
    // The play-on button shows a stop while the game plays.
    void ShowPlaying(bool playing);
    // Adds the text to the day's line of quiet messages.
    void AddNote(const QString& text);
    void CreateMenu();
    void CreateControls();
    void CreateStatusPanel();
    void CreatePalette();
    void AddCommandButton(const TPlayerCommand& command);
    // The palette and the command buttons as stops of the Tab chain.
    void CreateKeyGroups();
    void LayOutClient();
    // Puts the window where and as large as the player left it, brought onto
    // a screen present; at first today's size in the middle of the screen.
    void PlaceWindow();
    // Zooms the map a level nearer (above 0) or farther.
    void StepZoom(int steps);
    void ActualSize();
    // Where the keys zoom about: the selected cell while it is in view, else
    // the view's middle.
    QPointF ZoomAnchor() const;
    // Fades the palette's types that the scenario in play does not allow,
    // their hints saying so.
    void ShowAllowedTypes();
    // Shows a side window, made on first use and placed where the player
    // last put it (kept in the setting `place`) or beside the game.
    template <typename TForm, typename TMake>
    TForm& OpenBeside(TForm*& form, std::optional<QPoint> TSettings::*place, TMake make);
    // The window's frame, drawn on the central widget unless in full screen.
    void PaintFrame();
    // Keeps the settings; the first that cannot be written is told in the
    // status line, once.
    void SaveSettings();
    // A new game on the land in play, the free game or the scenario of the
    // play, shown from its start. A scenario that cannot begin is explained
    // and a free game begun instead.
    void BeginNewGame(const TScenarioPlay& play = {});
    // Puts the map view on the colony's game, just begun: the start screen
    // and the selected cell.
    void ShowNewGame();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The control a step of the tutorial needs, or none.
    QWidget* StepControl(const TTutorialStep& step) const;
    // Runs a player's command; an error it ends with is shown in the error
    // box, the game put back as the command found it.
    void Play(const std::function<void()>& command);
    void closeEvent(QCloseEvent* event) override;
    // Tells of a crash not yet told of and loads its save if the player
    // wants it; true when it was loaded.
    bool OfferCrashSave();
    // The game in play as a save records it, with the view and the sound.
    TSavedGame SavedGame() const;
    // Hands the game to the crash guard when it changed since it was last
    // handed over.
    void KeepForCrash();
    // A file of the save folder chosen in a file dialog, with the name
    // proposed for saving; empty when the player cancelled.
    QString ChooseInSaveFolder(bool forSaving, const QString& proposedName = QString());

    const TDM& images_;
    QString folder_;
    std::unique_ptr<TSoundPlayer> sounds_;
    std::unique_ptr<TMusicPlayer> music_;
    TEarth earth_;
    TBaseTypeList catalogue_;
    TEventTypeList events_;
    std::unique_ptr<TColony> colony_;
    std::unique_ptr<TMapView> mapView_;
    // Made when the player first opens it; a window of its own, owned here.
    TStatisticsForm* statistics_ = nullptr;
    TGoalsForm* goals_ = nullptr;
    TJournalForm* journal_ = nullptr;
    TAdvisorForm* advisor_ = nullptr;
    TAdviceForecast* adviceForecast_ = nullptr;
    TIslandEditorForm* editor_ = nullptr;
    TGuide* guide_ = nullptr;
    TAnchorPanel* client_ = nullptr;
    std::vector<QWidget*> commandButtons_;
    QRect savedBounds_;
    TSettings settings_;
    bool settingsUnsaved_ = false;
    // The quiet messages of a day, as one line of the status line, and
    // whether the line shows them still.
    struct {
        TGameDate Date;
        QString Line;
        bool Shown = false;
    } notes_;
    // The cell's info is being shown again for a day that passed.
    bool refreshingDay_ = false;
    // A run of play on, and the player closed the window during it.
    TRunPacer pacer_;
    bool stateDue_ = false; // a day of a run has not been shown yet
    bool closeAfterRun_ = false;
    std::unique_ptr<TSession> session_;
    bool crashGuarded_ = false;
    std::optional<uint64_t> crashRevision_;
};
