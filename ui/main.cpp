#include "base/commandline.h"
#include "base/paths.h"
#include "land/mapsource.h"
#include "resources/datamodule.h"
#include "ui/application.h"
#include "ui/islandeditor.h"
#include "ui/mainform.h"
#include "ui/settings.h"

int main(int argc, char** argv) {
    // Read before the application object exists, so that the usage, the
    // version and a wrong command line need no display and open no window.
    TCommandLine commandLine(
        QStringLiteral("tarvenia"),
        QStringLiteral("A turn-based colony game on an island.\nQt's own options, such as "
                       "-platform, -style and -geometry, are taken as well."),
        TCommandLine::qoWidgets);
    commandLine.Parser.addOption(
        {QStringLiteral("map"),
         QStringLiteral("Start on the land M instead of the map 01: a map's name in the MAPS "
                        "folder, the path of a map's .LTS file, or random:SEED for the island "
                        "made from that number."),
         QStringLiteral("M")});
    commandLine.Parser.addOption(
        {QStringLiteral("edit"),
         QStringLiteral("Open the island editor instead of the game, on the land M when one is "
                        "given (as --map takes it), else asking for a blank sea, an island's "
                        "number or a map.")});
    commandLine.AddArgument(QStringLiteral("M"), QStringLiteral("With --edit: the land to change."),
                            true);
    if (const auto status = commandLine.Parse(TCommandLine::Arguments(argc, argv)))
        return *status;
    TMapSource map;
    if (!commandLine.Read(QStringLiteral("map"), map, TMapSource::Parse))
        return TCommandLine::WrongUsage;
    const bool edit = commandLine.Parser.isSet(QStringLiteral("edit"));
    const QStringList lands = commandLine.Parser.positionalArguments();
    std::optional<TMapSource> editLand;
    if (!lands.isEmpty())
        editLand = TMapSource::Parse(lands.front());
    if (!lands.isEmpty() && !edit)
        return commandLine.Fail(QStringLiteral("Unexpected argument '%1'.").arg(lands.front()));
    if (!lands.isEmpty() && !editLand)
        return commandLine.Fail(
            QStringLiteral("Wrong value '%1' for option '--edit'.").arg(lands.front()));

    TApplication app(argc, argv);
    TApplication::setApplicationVersion(ProgramVersion());
    // The desktop entry that the window belongs to, for its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvenia.Tarvenia"));
    TApplication::SetUpLook();
    app.Speak(TSettings::Load().Language, DataFolder());

    const TDM images;
    std::unique_ptr<TMainForm> mainForm;
    try {
        mainForm = std::make_unique<TMainForm>(images, DataFolder(), map);
    } catch (const std::exception& e) {
        // Without a map or a catalogue there is no game to play.
        TApplication::ShowError(QString::fromStdString(e.what()));
        return 1;
    }
    mainForm->GuardCrashes();
    if (edit) {
        TIslandEditorForm& editor = mainForm->OpenEditor(editLand);
        // Without a land the player chooses where to begin.
        if (!editLand)
            editor.miNewClick();
        return app.exec();
    }
    if (!mainForm->ShowHello())
        return 0;
    mainForm->ShowGame();
    return app.exec();
}
