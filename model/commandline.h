#pragma once

#include "model/paths.h"

#include <QCommandLineParser>
#include <cstdio>
#include <optional>

// The command line of one of the game's programs, read as Unix programs read
// theirs: --help prints the usage and --version the program's name and version
// on standard output, and the program ends with status 0; an option that is not
// known, lacks its value or has a wrong one, or an argument too many or too few,
// is told on standard error with the usage, and the program ends with status 2
// having started nothing. Nothing here needs an application object, so that a
// program can answer before it connects to a window system.
class TCommandLine {
public:
    // The exit status of a command line that is not understood.
    static constexpr int WrongUsage = 2;

    // Qt's own options that the program's application object takes out of its
    // arguments on Linux (its own and the X11 platform's); they are let through
    // unnamed in the usage, so that they keep working.
    enum TQtOptions { qoNone, qoGui, qoWidgets };

    TCommandLine(const QString& program, const QString& description, TQtOptions qt = qoNone)
        : Program(program) {
        // Qt's options are single words after one dash (-platform, -style).
        Parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        Parser.setApplicationDescription(description);
        Parser.addOption(Help);
        Parser.addOption(Version);
        if (qt == qoNone)
            return;
        QStringList withValue{"platform",
                              "platformpluginpath",
                              "platformtheme",
                              "plugin",
                              "qwindowgeometry",
                              "qwindowicon",
                              "qwindowtitle",
                              "session",
                              "display",
                              "geometry",
                              "title",
                              "icon",
                              "name",
                              "visual"};
        QStringList switches{"reverse", "nograb", "dograb"};
        if (qt == qoWidgets) {
            withValue << QStringLiteral("style") << QStringLiteral("stylesheet");
            switches << QStringLiteral("widgetcount");
        }
        for (const QString& name : withValue)
            AddHidden(QCommandLineOption(name, QString(), QStringLiteral("value")));
        for (const QString& name : switches)
            AddHidden(QCommandLineOption(name));
    }

    QCommandLineParser Parser;

    // An argument that is not an option and must be given, as the scene's file.
    void AddArgument(const QString& name, const QString& description) {
        Parser.addPositionalArgument(name, description);
        ArgumentNames.append(name);
    }

    // Reads the arguments, the program's own name first. The exit status when
    // the program is to end now (the usage, the version or a fault has been
    // printed); nothing when it goes on.
    std::optional<int> Parse(const QStringList& arguments) {
        if (!Parser.parse(arguments))
            return Fail(Parser.errorText());
        if (Parser.isSet(Help)) {
            Print(stdout, Usage());
            return 0;
        }
        if (Parser.isSet(Version)) {
            Print(stdout, Program + u' ' + ProgramVersion() + u'\n');
            return 0;
        }
        const QStringList given = Parser.positionalArguments();
        if (given.size() > ArgumentNames.size())
            return Fail(
                QStringLiteral("Unexpected argument '%1'.").arg(given[ArgumentNames.size()]));
        if (given.size() < ArgumentNames.size())
            return Fail(QStringLiteral("Missing argument %1.").arg(ArgumentNames[given.size()]));
        return std::nullopt;
    }

    // Reads the value of the option called name, if it was given, into target
    // with read (a function from the text to an optional value). False, after
    // telling it as a fault, when read refuses the value.
    template <typename T, typename Reader> bool Read(const QString& name, T& target, Reader read) {
        if (!Parser.isSet(name))
            return true;
        const QString value = Parser.value(name);
        const auto parsed = read(value);
        if (!parsed) {
            Fail(QStringLiteral("Wrong value '%1' for option '--%2'.").arg(value, name));
            return false;
        }
        target = *parsed;
        return true;
    }

    // Tells a fault and the usage on standard error; the exit status.
    int Fail(const QString& problem) const {
        Print(stderr, Program + QStringLiteral(": ") + problem + u'\n' + Usage());
        return WrongUsage;
    }

    // The usage as --help prints it.
    QString Usage() const {
        // Qt names the program by the path it was started with, or not at all
        // before an application object exists: the first line names it plainly.
        QString line = QStringLiteral("Usage: ") + Program + QStringLiteral(" [options]");
        for (const QString& name : ArgumentNames)
            line += u' ' + name;
        const QString text = Parser.helpText();
        return line + text.mid(text.indexOf(u'\n'));
    }

    // main()'s arguments as text, for reading them before an application
    // object exists.
    static QStringList Arguments(int argc, char** argv) {
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        return arguments;
    }

private:
    QString Program;
    QStringList ArgumentNames;
    const QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit.")};
    const QCommandLineOption Version{
        QStringLiteral("version"),
        QStringLiteral("Print the program's name and version and exit.")};

    void AddHidden(QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        Parser.addOption(option);
    }

    static void Print(FILE* stream, const QString& text) {
        std::fputs(text.toUtf8().constData(), stream);
    }
};
