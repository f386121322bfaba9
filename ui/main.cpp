#include "map/mapsource.h"
#include "model/game.h"
#include "model/paths.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/mainform.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before the application object exists, so that it needs no display.
    TMapSource map;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tarvenia %s\n", ProgramVersion().toUtf8().constData());
            return 0;
        }
        // Other arguments are left to Qt.
        if (std::strcmp(argv[i], "--map") != 0)
            continue;
        const std::optional<TMapSource> chosen =
            i + 1 < argc ? TMapSource::Parse(QString::fromLocal8Bit(argv[++i])) : std::nullopt;
        if (!chosen) {
            std::fprintf(stderr, "usage: tarvenia [--map M]\n");
            return 2;
        }
        map = *chosen;
    }

    TApplication app(argc, argv);
    TApplication::setApplicationVersion(ProgramVersion());
    // The desktop entry that the window belongs to, for its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvenia.Tarvenia"));
    TApplication::SetUpLook();

    const TDM images;
    std::unique_ptr<TMainForm> mainForm;
    try {
        mainForm = std::make_unique<TMainForm>(images, DataFolder(), map);
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
