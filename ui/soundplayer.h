#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSoundEffect;

// Plays the program's built-in sound clips by name, asynchronously. Names are
// matched without regard to case; a new sound cuts off the one still playing.
class TSoundPlayer : public QObject {
public:
    explicit TSoundPlayer(QObject* parent = nullptr);
    ~TSoundPlayer() override = default;

    // Starts the clip and returns at once. A name with no clip throws
    // TGameError("Cannot find sound " + name).
    virtual void PlayResSound(const QString& name);
    bool HasSound(const QString& name) const;
    // The loudness of every clip, 0 (silent) to 100 (as recorded).
    void SetVolume(int percent);

private:
    QHash<QString, QSoundEffect*> effects_; // upper-case name -> clip, made on first use
    QSoundEffect* playing_ = nullptr;
    float volume_ = 1.0f;
};
