#pragma once

#include "ui/gamedialog.h"

class TDM;
class TWindowServices;

// The dialog that greets a new season with its picture and text.
class TSeasonForm : public TGameDialog {
    Q_DECLARE_TR_FUNCTIONS(TSeasonForm)

public:
    TSeasonForm(QWidget* parent, TWindowServices& services, const TDM& images, int season);

    // Plays "Season", then shows the dialog modally.
    void ShowModal();

private:
    TWindowServices& services_;
};
