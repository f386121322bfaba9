#include "settings.h"

#include <QSettings>
#include <algorithm>
#include <memory>

namespace {

std::unique_ptr<QSettings> Store() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("tarvenia"), QStringLiteral("tarvenia"));
}

// The keys and the fields they keep.
struct TFlag {
    const char* key;
    bool TSettings::*field;
};
constexpr TFlag Flags[] = {
    {"sound/on", &TSettings::Sound},
    {"music/on", &TSettings::Music},
    {"game/autosave", &TSettings::Autosave},
    {"game/askBeforeDiscard", &TSettings::AskBeforeDiscard},
    {"window/fullScreen", &TSettings::FullScreen},
};
struct TVolume {
    const char* key;
    int TSettings::*field;
};
constexpr TVolume Volumes[] = {
    {"sound/volume", &TSettings::SoundVolume},
    {"music/volume", &TSettings::MusicVolume},
};

} // namespace

TSettings TSettings::Load() {
    const std::unique_ptr<QSettings> store = Store();
    TSettings settings;
    for (const TFlag& flag : Flags) {
        // Only the two words the settings are written with: any other text
        // would read as "on".
        const QString value = store->value(QLatin1String(flag.key)).toString();
        if (value == QLatin1String("true") || value == QLatin1String("false"))
            settings.*flag.field = value == QLatin1String("true");
    }
    for (const TVolume& volume : Volumes) {
        bool ok = false;
        const int value = store->value(QLatin1String(volume.key)).toInt(&ok);
        if (ok)
            settings.*volume.field = std::clamp(value, 0, MaxVolume);
    }
    return settings;
}

bool TSettings::Save() const {
    const std::unique_ptr<QSettings> store = Store();
    for (const TFlag& flag : Flags)
        store->setValue(QLatin1String(flag.key), this->*flag.field);
    for (const TVolume& volume : Volumes)
        store->setValue(QLatin1String(volume.key), this->*volume.field);
    store->sync();
    return store->status() == QSettings::NoError;
}

QString TSettings::FileName() {
    return Store()->fileName();
}
