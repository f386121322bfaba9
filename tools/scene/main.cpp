// tarvenia-scene FILE [--center] [--zoom PCT] [--png OUT.png] [--mode 0|3]
//                [--size W,H] [--clip L,T,R,B]
// Loads a scene file as the map does, prints its colour, styles, shapes and
// groups in the scene text form, and can paint it into a PNG picture.
#include "base/commandline.h"
#include "base/gameerror.h"
#include "base/inifile.h"
#include "base/terrain.h"
#include "scene/wall.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <cstdio>
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

// The values of the options; nothing for a text that is not one.
std::optional<int32_t> ReadZoom(const QString& text) {
    const auto zoom = ParseInteger(text);
    return zoom && *zoom > 0 ? zoom : std::nullopt;
}

std::optional<TPaintMode> ReadMode(const QString& text) {
    if (text == u"0")
        return pmNormal;
    if (text == u"3")
        return pmPlan;
    return std::nullopt;
}

std::optional<QSize> ReadSize(const QString& text) {
    const auto size = Integers(text, 2);
    if (!size || (*size)[0] <= 0 || (*size)[1] <= 0 || (*size)[0] > 32768 || (*size)[1] > 32768)
        return std::nullopt;
    return QSize((*size)[0], (*size)[1]);
}

std::optional<QRect> ReadClip(const QString& text) {
    auto clip = Integers(text, 4);
    if (!clip)
        return std::nullopt;
    // Kept within a range where the rectangle's own sums cannot overflow.
    std::vector<int32_t>& c = *clip;
    for (int32_t& v : c)
        v = std::clamp(v, -(1 << 30), 1 << 30);
    return QRect(c[0], c[1], c[2] - c[0], c[3] - c[1]);
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
    // Read before the application object, which would bring up a platform.
    TCommandLine commandLine(
        QStringLiteral("tarvenia-scene"),
        QStringLiteral("Loads a scene file as the map does, prints its colour, styles, shapes\n"
                       "and groups, and can paint it into a PNG picture."),
        TCommandLine::qoGui);
    commandLine.AddArgument(QStringLiteral("FILE"), QStringLiteral("The scene file (.WLL)."));
    commandLine.Parser.addOptions({
        {QStringLiteral("center"),
         QStringLiteral("Centre the scene in the 7000 x 7000 world as the map load does.")},
        {QStringLiteral("zoom"), QStringLiteral("The scene's zoom in percent (default 100)."),
         QStringLiteral("PCT")},
        {QStringLiteral("png"),
         QStringLiteral("Paint the scene as the map view does and write it to OUT.png."),
         QStringLiteral("OUT.png")},
        {QStringLiteral("mode"), QStringLiteral("The paint mode: 0 normal, 3 plan (default 0)."),
         QStringLiteral("0|3")},
        {QStringLiteral("size"),
         QStringLiteral("The picture's size (default: the shapes' screen rectangles from 0,0)."),
         QStringLiteral("W,H")},
        {QStringLiteral("clip"), QStringLiteral("Paint only within this rectangle (default: all)."),
         QStringLiteral("L,T,R,B")},
    });
    if (const auto status = commandLine.Parse(TCommandLine::Arguments(argc, argv)))
        return *status;

    TOptions options;
    options.File = commandLine.Parser.positionalArguments().constFirst();
    options.Center = commandLine.Parser.isSet(QStringLiteral("center"));
    options.Png = commandLine.Parser.value(QStringLiteral("png"));
    if (!commandLine.Read(QStringLiteral("zoom"), options.Zoom, ReadZoom) ||
        !commandLine.Read(QStringLiteral("mode"), options.Mode, ReadMode) ||
        !commandLine.Read(QStringLiteral("size"), options.Size, ReadSize) ||
        !commandLine.Read(QStringLiteral("clip"), options.Clip, ReadClip))
        return TCommandLine::WrongUsage;

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

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
