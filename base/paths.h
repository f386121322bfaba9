#pragma once

#include <QString>
#include <QStringList>

// The folder of the running program.
QString ProgramFolder();

// The folders where the game's data files (BASES.INI, EVENTS.INI, MAPS/,
// HELP.html) may lie, in the order they are tried: beside the program (the
// build folder), then ../share/tarvenia from it (an installed game), then every
// "tarvenia" folder of the system's data folders. No folder comes twice.
QStringList DataFolderCandidates(const QString& programFolder = ProgramFolder());

// The first of the candidates that holds BASES.INI. None does: throws
// TGameError whose text names every folder tried.
QString DataFolder(const QString& programFolder = ProgramFolder());

// A path as a data file writes it ("MAPS\01.LTS"), with the folder separators
// turned into the ones the system opens.
QString LocalPath(const QString& written);

// The whole of a data file. A file that cannot be opened or read throws
// TGameError with a text for the player that names it and gives the reason.
QByteArray ReadDataFile(const QString& path);

// The program's version, as "--version" and the about box show it.
QString ProgramVersion();
