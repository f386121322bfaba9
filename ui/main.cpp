#include "model/game.h"
#include "model/paths.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/mainform.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TApplication::setApplicationVersion(ProgramVersion());
    TApplication::SetUpLook();

    const TDM images;
    std::unique_ptr<TMainForm> mainForm;
    try {
        mainForm = std::make_unique<TMainForm>(images, ProgramFolder());
    } catch (const std::exception& e) {
        // Without a map or a catalogue there is no game to play.
        TApplication::ShowError(QString::fromStdString(e.what()));
        return 1;
    }
    if (!mainForm->ShowHello())
        return 0;
    mainForm->ShowGame();
    return app.exec();
}
