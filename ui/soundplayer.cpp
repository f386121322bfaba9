#include "soundplayer.h"

#include "model/gameerror.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>

namespace {

// The clips are built in under their upper-case names, as ":/sounds/NAME.wav";
// a name that would reach outside that folder has no clip.
QString SoundPath(const QString& key) {
    if (key.isEmpty() || key.contains(u'/') || key.contains(u'\\'))
        return QString();
    const QString path = QStringLiteral(":/sounds/") + key + QStringLiteral(".wav");
    return QFile::exists(path) ? path : QString();
}

} // namespace

TSoundPlayer::TSoundPlayer(QObject* parent) : QObject(parent) {}

bool TSoundPlayer::HasSound(const QString& name) const {
    return !SoundPath(name.toUpper()).isEmpty();
}

void TSoundPlayer::SetVolume(int percent) {
    volume_ = static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f;
    for (QSoundEffect* effect : std::as_const(effects_))
        effect->setVolume(volume_);
}

void TSoundPlayer::PlayResSound(const QString& name) {
    const QString key = name.toUpper();
    QSoundEffect* effect = effects_.value(key);
    if (!effect) {
        const QString path = SoundPath(key);
        if (path.isEmpty())
            throw TGameError(QStringLiteral("Cannot find sound ") + name);
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        effect->setVolume(volume_);
        effects_.insert(key, effect);
    }
    if (playing_ && playing_ != effect)
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}
