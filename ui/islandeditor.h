#pragma once

#include "land/earth.h"
#include "land/landedit.h"
#include "land/mapcheck.h"
#include "map/editmarks.h"
#include "model/basetype.h"

#include <QCoreApplication>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QToolButton;
class TDM;
class TMapView;
class TvtPlaceBox;
class TvtPlan;
class TWindowServices;
class TZoomBadge;

// The island editor, a window of its own: the player paints the grounds of a
// land with a brush, fills areas, raises islands of the generator's recipe,
// moves the start and names places, every change undone as one step. The
// scene is drawn again from the ground after each change, the check's
// problems are listed as the land changes, and a land without errors is
// saved into the player's MAPS to be played; one with errors only as a
// draft.
class TIslandEditorForm : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(TIslandEditorForm)

public:
    enum TTool { etBrush, etFill, etIsland, etStart, etName, etPicker };
    static constexpr int ToolCount = etPicker + 1;

    // A tool is one row: its caption on its button and in the Tools menu,
    // its key, the button's hint, its line in the help, the map's cursor
    // while it is chosen and what a press of the left button on a cell does.
    // The buttons, the menu and the help's list of tools are made from it.
    struct TToolRow {
        TTool Tool;
        const char* Caption; // with its accelerator
        const char* Key;     // a Latin letter, as QKeySequence reads it
        const char* Hint;
        const char* Help; // what it does, after its name and key in the help's HTML
        Qt::CursorShape Cursor;
        void (*Press)(TIslandEditorForm& editor, QPoint cell);
    };
    // Every tool, in the order of TTool.
    static std::span<const TToolRow> Tools();

    // The maps to open are looked up in the folders' MAPS; the land is saved
    // into the save folder's MAPS, a draft into its DRAFTS.
    TIslandEditorForm(const TDM& images, const TBaseTypeList& catalogue, const QStringList& folders,
                      const QString& saveFolder, TWindowServices& services,
                      QWidget* parent = nullptr);
    ~TIslandEditorForm() override;

    // Puts a land into the editor under the name it will be saved by; the
    // undo steps of the land before are gone.
    void SetLand(TIslandLand land, const QString& name);
    // Opens the land of a source to change it; false, with the reason shown,
    // when its map cannot be read.
    bool Open(const TMapSource& source);
    // A land of sea only, with its start in the middle.
    static TIslandLand BlankSea();

    // The menu's commands. The ones that would throw changes away ask first.
    void miNewClick();
    void miOpenFileClick();
    // Saves the land to be played; refused while the check finds errors.
    // True when it was saved.
    bool Save();
    bool SaveDraft();
    // Saves the land when it changed and asks OnPlay for a game on it.
    void Play();
    void Undo();
    void Redo();

    void SetTool(TTool tool);
    TTool Tool() const { return tool_; }
    // The ground the brush and the fill give.
    TEarthKind Kind() const;
    void SetKind(TEarthKind kind);

    // A new game on the saved map, asked by "Играть"; true when it began.
    std::function<bool(const TMapSource&)> OnPlay;
    // Opens the game's help at the editor's section.
    std::function<void()> OnHelp;

    const TLandEdit& Edit() const { return *edit_; }
    const std::vector<TMapProblem>& Problems() const { return problems_; }
    bool Modified() const { return modified_; }
    // The name the land is saved by.
    QString LandName() const;

    TvtPlaceBox* pb1 = nullptr;
    TvtPlan* Plan = nullptr;
    QLineEdit* edName = nullptr;
    QListWidget* lbKinds = nullptr;
    QComboBox* cbShape = nullptr;
    QSpinBox* edSize = nullptr;
    QLineEdit* edSeed = nullptr;
    QSpinBox* edScale = nullptr;
    QLabel* pcIsland = nullptr;
    QListWidget* lbProblems = nullptr;
    QLabel* lbCell = nullptr;
    QAction* miUndo = nullptr;
    QAction* miRedo = nullptr;
    std::array<QToolButton*, ToolCount> toolButtons{};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenu();
    // Zooms the map about the view's centre by steps, or to today's size at 0.
    void Zoom(int steps);
    QWidget* CreateTools();
    QWidget* CreateSide();
    // Asks whether to keep the changes before they are thrown away; false
    // when the player stays.
    bool KeepChanges();
    // Whether the check finds the land unfit for play.
    bool HasErrors() const;
    // Shows the land after a change: the scene drawn again, the overview,
    // the start, the check's problems and the undo items.
    void Changed();
    // Shows a change the player made to the land.
    void Edited();
    void ShowProblems();
    void ShowProblem(int row);
    void ShowTitle();
    // The map's pointer events, in world pixels.
    void MouseDown(Qt::MouseButton button, QPoint world);
    void MouseMove(Qt::MouseButtons buttons, QPoint world);
    void MouseUp(Qt::MouseButton button);
    // A dab of the brush on every cell from the last one to the cell.
    void StrokeTo(QPoint cell);
    // Asks for a name at the cell, or changes or removes the name there.
    void NameAt(QPoint cell);
    // The island of the seed and scale chosen, made again when they changed.
    const TRaisedIsland* Island();
    void ShowIsland();
    // Repaints the cells of a rectangle of the grid.
    void UpdateCells(const QRect& cells);
    // The marks of the brush or the island under the pointer at the cell.
    void ShowPointer(QPoint cell);
    bool SaveInto(const QString& folder);

    const TDM& images_;
    const TBaseTypeList& catalogue_;
    QStringList folders_;
    QString saveFolder_;
    TWindowServices& services_;
    std::unique_ptr<TLandEdit> edit_;
    // The scene shown, loaded from the land's files after each change.
    TEarth earth_;
    // The grid the scene was drawn from.
    TTerrainGrid drawn_;
    std::unique_ptr<TMapView> view_;
    QPointer<TZoomBadge> zoomBadge_;
    TEditMarks marks_;
    std::vector<TMapProblem> problems_;
    std::array<QAction*, ToolCount> toolActions_{};
    TTool tool_ = etBrush;
    bool modified_ = false;
    // The map file the land was opened from or last saved to, if any.
    QString ownFile_;
    std::optional<QPoint> lastDab_;
    // Where an island was just raised: no preview there until the pointer
    // moves to another cell.
    std::optional<QPoint> raisedAt_;
    QPoint pointer_{-1, -1};
    struct TIslandKey {
        uint32_t Seed;
        int Scale;
        bool operator==(const TIslandKey&) const = default;
    };
    std::optional<TIslandKey> islandKey_;
    TRaisedIsland island_;
    // The island on the overview, from the corner of its cells.
    QPoint islandCorner_;
    QImage islandOnPlan_;
};

// A picture of an island about to be raised, its grounds in their colours.
QImage DrawRaisedIsland(const TRaisedIsland& island, QSize size);
