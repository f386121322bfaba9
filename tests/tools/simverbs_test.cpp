// The simulator's verbs against what is written about them: each has its
// line in the manual page, the manual lists no verb that is not there, and
// each is used by a command script of the tests.

#include "tools/sim/simulator.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QStringList FileLines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll()).split(u'\n');
}

// A line of the manual page as it reads: a font macro's arguments joined
// (the alternating ones without blanks), quotes and font changes dropped.
QString Plain(const QString& line) {
    QString text = line;
    if (text.startsWith(u'.')) {
        static const QRegularExpression word(QStringLiteral(R"re("([^"]*)"|(\S+))re"));
        QStringList parts;
        for (const QRegularExpressionMatch& match : word.globalMatch(line))
            parts << (match.hasCaptured(1) ? match.captured(1) : match.captured(2));
        const QString macro = parts.takeFirst();
        text = parts.join(macro.size() == 3 ? QString() : QStringLiteral(" "));
    }
    static const QRegularExpression font(QStringLiteral(R"(\\f[BIRP])"));
    return text.remove(font).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

TEST(SimVerbs, TheManualPageListsEveryVerbAndNoOther) {
    QSet<QString> listed;
    bool commands = false;
    QString previous;
    for (const QString& line : FileLines(QStringLiteral(TARVENIA_SIM_MANUAL))) {
        if (line.startsWith(QLatin1String(".SH")))
            commands = line == QLatin1String(".SH COMMANDS");
        else if (commands && previous == QLatin1String(".TP"))
            for (const QString& usage : Plain(line).split(QStringLiteral(", ")))
                listed.insert(usage);
        previous = line;
    }
    for (const TSimVerb& verb : TSimulator::Verbs())
        EXPECT_TRUE(listed.remove(verb.Usage()))
            << "no manual line: " << verb.Usage().toStdString();
    EXPECT_TRUE(listed.isEmpty()) << "no such verb: " << listed.values().join(u'|').toStdString();
}

TEST(SimVerbs, EachIsUsedByACommandScript) {
    QList<QStringList> lines;
    for (const QString folder : {"sim", "saves"}) {
        const QDir dir(QStringLiteral(TARVENIA_TEST_DATA "/") + folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
            for (const QString& line : FileLines(dir.filePath(name)))
                lines << line.split(u' ', Qt::SkipEmptyParts);
    }
    for (const TSimVerb& verb : TSimulator::Verbs())
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&verb](const QStringList& words) { return verb.Fits(words); }))
            << "no script uses " << verb.Usage().toStdString();
}

} // namespace
