#pragma once

#include "land/mapsource.h"
#include "ui/gamedialog.h"

#include <QFutureWatcher>
#include <QImage>

// The overview of a land with its start cell marked, as a new game would
// show it; null when the map cannot be read. It reads the land afresh, so it
// may be drawn away from the window's thread.
inline constexpr QSize LandPreviewSize(210, 210);
QImage DrawLandPreview(const TMapSource& source, const QStringList& folders);

class QLabel;
class QLineEdit;
class QListWidget;
class TvtButton;
class TWindowServices;

// The choice of the land for a new game: the map "01", the maps of the MAPS
// folders, or a random island by its number, which the player may change or
// pass on to others. The overview of the chosen land is drawn beside the
// list as it changes, away from the window's thread so that typing never
// waits for it.
class TNewIslandForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TNewIslandForm)

public:
    // The maps are looked up in the folders' MAPS; the random island starts
    // with the seed. For the island editor the list begins with a blank sea,
    // and the dialog opens the land chosen rather than starting a game.
    TNewIslandForm(QWidget* parent, TWindowServices& services, const QStringList& folders,
                   uint32_t seed, bool forEditor = false);
    ~TNewIslandForm() override;

    // The land chosen now; nothing while the island's number is not a number
    // or for the blank sea.
    std::optional<TMapSource> Choice() const;
    // Whether the blank sea is chosen.
    bool BlankSea() const;
    // Shows the dialog modally; true when the player pressed "Начать".
    bool ShowModal();
    // The overview last drawn, null before the first one or for a map that
    // cannot be read; waits for one being drawn.
    QImage Preview();

    QListWidget* lbMaps = nullptr;
    QLineEdit* edSeed = nullptr;
    QLabel* pcPreview = nullptr;
    TvtButton* btOk = nullptr;

private:
    // Starts drawing the overview of the land chosen now; a drawing still
    // under way is shown only if nothing was chosen since.
    void ChoiceChanged();
    void ShowPreview(const QImage& picture);

    TWindowServices& services_;
    QStringList folders_;
    QFutureWatcher<QImage> drawing_;
    // The choice changed while its overview was drawn.
    bool stale_ = false;
    // An overview is being drawn, or drawn and not yet handed to the window:
    // the drawing's end reaches the window as an event of its own.
    bool drawn_ = true;
    // The overview drawn is of a land chosen, not of a number still typed.
    bool chosen_ = false;
    // The list begins with the blank sea.
    bool blankSea_ = false;
    QImage preview_;
};
