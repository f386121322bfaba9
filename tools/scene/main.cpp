// tarvenia-scene FILE [--center] [--zoom PCT] [--png OUT.png] [--mode 0|3]
//                [--size W,H] [--clip L,T,R,B]
// Loads a scene file as the map does, prints its colour, styles, shapes and
// groups in the scene text form, and can paint it into a PNG picture.
#include "model/gameerror.h"
#include "model/inifile.h"
#include "model/paths.h"
#include "model/terrain.h"
#include "scene/wall.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

struct TOptions {
    QString File;
    bool Center = false;
    int32_t Zoom = 100;
    QString Png;
    TPaintMode Mode = pmNormal;
    std::optional<QSize> Size;
    std::optional<QRect> Clip;
};

void Print(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

int Usage(const QString& problem) {
    std::fprintf(stderr, "%s\n", problem.toUtf8().constData());
    std::fputs("usage: tarvenia-scene FILE [--center] [--zoom PCT] [--png OUT.png] [--mode 0|3] "
               "[--size W,H] [--clip L,T,R,B]\n",
               stderr);
    return 2;
}

// Comma-separated integers, exactly as many as asked for.
std::optional<std::vector<int32_t>> Integers(const QString& text, int count) {
    const QStringList parts = text.split(u',');
    if (parts.size() != count)
        return std::nullopt;
    std::vector<int32_t> values;
    for (const QString& part : parts) {
        const auto value = ParseInteger(part);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

// Reads the command line; the text of a problem when it is not understood.
std::optional<QString> ParseOptions(const QStringList& args, TOptions& options) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == u"--center") {
            options.Center = true;
            continue;
        }
        if (!arg.startsWith(u"--")) {
            if (!options.File.isEmpty())
                return QStringLiteral("more than one scene file given");
            options.File = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return arg + QStringLiteral(" needs a value");
        const QString value = args[++i];
        if (arg == u"--zoom") {
            const auto zoom = ParseInteger(value);
            if (!zoom || *zoom <= 0)
                return QStringLiteral("bad zoom: ") + value;
            options.Zoom = *zoom;
        } else if (arg == u"--png") {
            options.Png = value;
        } else if (arg == u"--mode") {
            if (value != u"0" && value != u"3")
                return QStringLiteral("bad mode: ") + value;
            options.Mode = value == u"3" ? pmPlan : pmNormal;
        } else if (arg == u"--size") {
            const auto size = Integers(value, 2);
            if (!size || (*size)[0] <= 0 || (*size)[1] <= 0 || (*size)[0] > 32768 ||
                (*size)[1] > 32768)
                return QStringLiteral("bad size: ") + value;
            options.Size = QSize((*size)[0], (*size)[1]);
        } else if (arg == u"--clip") {
            const auto clip = Integers(value, 4);
            if (!clip)
                return QStringLiteral("bad clip rectangle: ") + value;
            // Kept within a range where the rectangle's own sums cannot overflow.
            std::vector<int32_t> c = *clip;
            for (int32_t& v : c)
                v = std::clamp(v, -(1 << 30), 1 << 30);
            options.Clip = QRect(c[0], c[1], c[2] - c[0], c[3] - c[1]);
        } else {
            return QStringLiteral("unknown option: ") + arg;
        }
    }
    if (options.File.isEmpty())
        return QStringLiteral("no scene file given");
    return std::nullopt;
}

void PrintScene(const TWall& wall) {
    Print(QStringLiteral("color ") + ColorToText(wall.Color));
    for (TSamline* item : wall.Boomers) {
        QString props;
        item->WriteProps(props);
        Print(u'<' + TWall::TagOf(item) + props + u'>');
    }
    for (TSamline* item : wall.Sprites) {
        const auto* sprite = static_cast<const TSprite*>(item);
        QString props;
        sprite->WriteProps(props);
        int l, t, r, b;
        sprite->ScreenRect(l, t, r, b);
        Print(QStringLiteral("<%1%2> bounds=%3,%4,%5,%6 screen=%7,%8,%9,%10")
                  .arg(TWall::TagOf(item), props)
                  .arg(sprite->Left)
                  .arg(sprite->Top)
                  .arg(sprite->Width())
                  .arg(sprite->Height())
                  .arg(l)
                  .arg(t)
                  .arg(r)
                  .arg(b));
    }
    QStringList groups;
    for (const TSpriteGroup& group : wall.Groups)
        groups.append(group.Name + u':' + QString::number(group.Shown));
    Print(groups.isEmpty() ? QStringLiteral("groups")
                           : QStringLiteral("groups ") + groups.join(u','));
}

// The picture size by default: the shapes' screen rectangles seen from 0,0.
QSize DefaultSize(const TWall& wall) {
    int width = 1, height = 1;
    for (TSamline* item : wall.Sprites) {
        int l, t, r, b;
        static_cast<const TSprite*>(item)->ScreenRect(l, t, r, b);
        width = std::max(width, r);
        height = std::max(height, b);
    }
    // A picture of the whole world at zoom 100 is the largest worth making.
    return QSize(std::min(width, 32768), std::min(height, 32768));
}

bool WritePng(const TWall& wall, const TOptions& options) {
    QImage image(options.Size.value_or(DefaultSize(wall)), QImage::Format_RGB32);
    image.fill(ToQColor(wall.Color));
    QPainter painter(&image);
    wall.PaintSprites(wall.Sprites, painter, options.Clip, options.Mode);
    painter.end();
    return image.save(options.Png, "PNG");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Answered before the application object, which would bring up a platform.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            Print(QStringLiteral("tarvenia-scene ") + ProgramVersion());
            return 0;
        }
    QGuiApplication app(argc, argv);
    TOptions options;
    if (const auto problem = ParseOptions(QCoreApplication::arguments(), options))
        return Usage(*problem);

    TWall wall;
    try {
        wall.LoadFromFile(options.File);
    } catch (const TGameError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    if (options.Center)
        wall.CenterSprites(WorldSize);
    wall.SetZoom(options.Zoom);
    PrintScene(wall);
    if (!options.Png.isEmpty() && !WritePng(wall, options)) {
        std::fprintf(stderr, "Cannot write the picture \"%s\"\n", options.Png.toUtf8().constData());
        return 1;
    }
    return 0;
}
