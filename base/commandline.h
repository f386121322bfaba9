#pragma once

#include <QCommandLineParser>
#include <QStringList>
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

    TCommandLine(const QString& program, const QString& description, TQtOptions qt = qoNone);

    QCommandLineParser Parser;

    // An argument that is not an option and must be given, as the scene's
    // file; an optional one, shown in brackets, may be left out (after the
    // ones that must be given).
    void AddArgument(const QString& name, const QString& description, bool optional = false);

    // Reads the arguments, the program's own name first. The exit status when
    // the program is to end now (the usage, the version or a fault has been
    // printed); nothing when it goes on.
    std::optional<int> Parse(const QStringList& arguments);

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
    int Fail(const QString& problem) const;

    // The usage as --help prints it.
    QString Usage() const;

    // main()'s arguments as text, for reading them before an application
    // object exists.
    static QStringList Arguments(int argc, char** argv);

private:
    void AddHidden(QCommandLineOption option);

    QString Program;
    QStringList ArgumentNames;
    // The arguments that must be given, the first of ArgumentNames.
    qsizetype requiredArguments_ = 0;
    const QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Print this help and exit.")};
    const QCommandLineOption Version{
        QStringLiteral("version"),
        QStringLiteral("Print the program's name and version and exit.")};
};
