#include "soundplayer.h"

#include "model/game.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

TSoundPlayer::TSoundPlayer(QObject* parent) : QObject(parent) {
    QDirIterator it(QStringLiteral(":/sounds"));
    while (it.hasNext()) {
        const QString path = it.next();
        paths_.insert(QFileInfo(path).completeBaseName().toUpper(), path);
    }
}

bool TSoundPlayer::HasSound(const QString& name) const {
    return paths_.contains(name.toUpper());
}

void TSoundPlayer::PlayResSound(const QString& name) {
    const QString key = name.toUpper();
    const auto path = paths_.constFind(key);
    if (path == paths_.cend())
        throw TGameError(QStringLiteral("Cannot find sound ") + name);
    QSoundEffect*& effect = effects_[key];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc") + *path));
    }
    if (playing_ && playing_ != effect)
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}
