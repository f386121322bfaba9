#pragma once

#include <QString>
#include <stdexcept>

// An error that stops what the game was doing; its text is shown to the player.
class TGameError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit TGameError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString Text() const { return QString::fromStdString(what()); }
};
