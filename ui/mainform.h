#pragma once

#include "map/earth.h"
#include "model/basetype.h"
#include "model/colony.h"
#include "model/eventtype.h"
#include "model/services.h"
#include "ui/soundplayer.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class TAnchorPanel;
class TDM;
class THealthBar;
class TMapView;
class TPanelText;
class TvtGyperLabel;
class TvtPic;
class TvtPlaceBox;
class TvtPlan;

// The game's main window: the map view, the overview map, the building
// palette, the command buttons, the status panel, the status line and the
// menu. It owns the map, the catalogues and the colony, and shows the colony
// to the player as the window services the rules call.
class TMainForm : public QMainWindow, public TWindowServices {
public:
    // The start-up sequence: map, catalogues, palette and a new game, read
    // from the folder. Throws TGameError when the map cannot be read or the
    // catalogue holds no type: the game cannot run then.
    TMainForm(const TDM& images, const QString& folder);
    ~TMainForm() override;

    // Shows the start screen; false when the player chose to leave.
    bool ShowHello();

    TColony& Colony() { return *colony_; }
    // Replaces the sound output, for instance by one that only listens.
    void SetSoundPlayer(std::unique_ptr<TSoundPlayer> player) { sounds_ = std::move(player); }
    const TEarth& Earth() const { return earth_; }
    TvtPlaceBox* pb1 = nullptr;
    TvtPlan* Plan = nullptr;
    QAction* miSound = nullptr;
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
    TvtPic* pcSeason = nullptr;
    TvtPic* pc1 = nullptr;
    std::vector<TvtPic*> paletteButtons;

    // The palette's place of the button of a catalogue index.
    static QPoint PalettePosition(int index);

    // The commands of the menu.
    void miNewClick();
    void miFullScreenClick();
    void miHelpClick();
    void miAboutClick();
    void DrawPlanBack();

    // TWindowServices
    void Sound(const QString& name) override;
    void ShowStatus(const QString& text) override;
    void ShowResources(bool moneyOnly) override;
    void ShowGameState() override;
    void ShowInfo(const QString& sound, const QString& text) override;
    void ShowSeason(int season) override;
    void RunYearlyTaxes(TTaxDialog& dialog) override;
    void RunMainTax(TTaxDialog& dialog) override;
    void RunMarket(TMarketDialog& dialog) override;
    void UpdateCell(int column, int row) override;
    void UpdateImage() override;
    void UpdatePlan() override;
    void ShowRect(const QRect& rect) override;
    void StepSelection() override;
    void RepaintWindow() override;
    void SetBusy(bool busy) override;

private:
    void CreateMenu();
    void CreateControls();
    void CreateStatusPanel();
    void CreatePalette();
    TvtPic* AddCommandButton(const char* name, int picture, QPoint at, const QString& hint,
                             std::function<void()> command);
    void LayOutClient();
    // The window's frame, drawn on the central widget unless in full screen.
    void PaintFrame();
    // Puts the map view on the colony's game, just begun: the start screen
    // and the selected cell.
    void ShowNewGame();
    bool eventFilter(QObject* watched, QEvent* event) override;

    const TDM& images_;
    QString folder_;
    std::unique_ptr<TSoundPlayer> sounds_;
    TEarth earth_;
    TBaseTypeList catalogue_;
    TEventTypeList events_;
    std::unique_ptr<TColony> colony_;
    std::unique_ptr<TMapView> mapView_;
    TAnchorPanel* client_ = nullptr;
    QRect savedBounds_;
};
