#include "base/commandline.h"

#include "base/paths.h"

#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace

TCommandLine::TCommandLine(const QString& program, const QString& description, TQtOptions qt)
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

void TCommandLine::AddArgument(const QString& name, const QString& description, bool optional) {
    Parser.addPositionalArgument(name, description);
    ArgumentNames.append(optional ? u'[' + name + u']' : name);
    if (!optional)
        ++requiredArguments_;
}

std::optional<int> TCommandLine::Parse(const QStringList& arguments) {
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
        return Fail(QStringLiteral("Unexpected argument '%1'.").arg(given[ArgumentNames.size()]));
    if (given.size() < requiredArguments_)
        return Fail(QStringLiteral("Missing argument %1.").arg(ArgumentNames[given.size()]));
    return std::nullopt;
}

int TCommandLine::Fail(const QString& problem) const {
    Print(stderr, Program + QStringLiteral(": ") + problem + u'\n' + Usage());
    return WrongUsage;
}

QString TCommandLine::Usage() const {
    // Qt names the program by the path it was started with, or not at all
    // before an application object exists: the first line names it plainly.
    QString line = QStringLiteral("Usage: ") + Program + QStringLiteral(" [options]");
    for (const QString& name : ArgumentNames)
        line += u' ' + name;
    const QString text = Parser.helpText();
    return line + text.mid(text.indexOf(u'\n'));
}

QStringList TCommandLine::Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void TCommandLine::AddHidden(QCommandLineOption option) {
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    Parser.addOption(option);
}
