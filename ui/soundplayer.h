#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class QSoundEffect;

// Plays the program's built-in sound clips by name, asynchronously. Names are
// matched without regard to case; a new sound cuts off the one still playing.
// A sound never stops the game: a clip that is missing or cannot be decoded
// is only reported, once per name.
class TSoundPlayer : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TSoundPlayer)

public:
    // The clips are looked up in `folder` as NAME.wav; the built-in ones by default.
    explicit TSoundPlayer(QObject* parent = nullptr,
                          const QString& folder = QStringLiteral(":/sounds"));
    ~TSoundPlayer() override = default;

    // Starts the clip and returns at once.
    virtual void PlayResSound(const QString& name);
    bool HasSound(const QString& name) const;
    // The loudness of every clip, 0 (silent) to 100 (as recorded).
    void SetVolume(int percent);

    // Told the player's text about a clip that cannot be played, once for
    // each name, when it is found missing or its decoding fails (later, as
    // the clips load in the background). The text also goes to standard error.
    std::function<void(const QString&)> OnProblem;

private:
    QString SoundPath(const QString& key) const;
    void Report(const QString& key, const QString& problem);

    QString folder_;
    QHash<QString, QSoundEffect*> effects_; // upper-case name -> clip, made on first use
    QSet<QString> reported_;                // upper-case names already reported
    QSoundEffect* playing_ = nullptr;
    float volume_ = 1.0f;
};
