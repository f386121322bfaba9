#pragma once

#include <QString>

// The folder of the running program, where its data files lie.
QString ProgramFolder();

// A path as a data file writes it ("MAPS\01.LTS"), with the folder separators
// turned into the ones the system opens.
QString LocalPath(const QString& written);

// The program's version, as "--version" and the about box show it.
QString ProgramVersion();
