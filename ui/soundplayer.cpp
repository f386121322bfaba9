#include "soundplayer.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <iostream>

TSoundPlayer::TSoundPlayer(QObject* parent, const QString& folder)
    : QObject(parent), folder_(folder) {}

// The clips lie under their upper-case names, as FOLDER/NAME.wav; a name that
// would reach outside that folder has no clip.
QString TSoundPlayer::SoundPath(const QString& key) const {
    if (key.isEmpty() || key.contains(u'/') || key.contains(u'\\'))
        return QString();
    const QString path = folder_ + u'/' + key + QStringLiteral(".wav");
    return QFile::exists(path) ? path : QString();
}

bool TSoundPlayer::HasSound(const QString& name) const {
    return !SoundPath(name.toUpper()).isEmpty();
}

void TSoundPlayer::SetVolume(int percent) {
    volume_ = static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f;
    for (QSoundEffect* effect : std::as_const(effects_))
        effect->setVolume(volume_);
}

void TSoundPlayer::Report(const QString& key, const QString& problem) {
    if (reported_.contains(key))
        return;
    reported_.insert(key);
    std::cerr << problem.toStdString() << std::endl;
    if (OnProblem)
        OnProblem(problem);
}

void TSoundPlayer::PlayResSound(const QString& name) {
    const QString key = name.toUpper();
    QSoundEffect* effect = effects_.value(key);
    if (!effect) {
        const QString path = SoundPath(key);
        if (path.isEmpty()) {
            Report(key, tr("Нет звука «%1».").arg(name));
            return;
        }
        effect = new QSoundEffect(this);
        connect(effect, &QSoundEffect::statusChanged, this, [this, effect, key, name] {
            if (effect->status() == QSoundEffect::Error)
                Report(key, tr("Звук «%1» не читается.").arg(name));
        });
        effect->setSource(path.startsWith(u':') ? QUrl(QStringLiteral("qrc") + path)
                                                : QUrl::fromLocalFile(path));
        effect->setVolume(volume_);
        effects_.insert(key, effect);
    }
    if (playing_ && playing_ != effect)
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}
