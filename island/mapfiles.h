#pragma once

#include <QByteArray>

// The three files of a map as bytes, whether read from a MAPS folder or made
// in memory: the terrain grid (.LTS), the scene text (.WLL) and the start
// position (.INI).
struct TMapFiles {
    QByteArray Grid;
    QByteArray Scene;
    QByteArray Ini;
};
