#pragma once

#include <QString>

// Every path rule of the program lives here, so that no other file spells a
// separator or a wildcard suffix on its own.
namespace bewahrix::pfade {

// The separator between directory levels.
QChar trenner();
QString trennerText();

// Suffix of a source entry that stands for the files of one directory.
QString verzeichnisEndung();  // "/*.*"
// Suffix of a source entry that stands for a whole directory tree.
QString baumEndung();         // "/*.***"

bool endetMitTrenner(const QString& pfad);
// The path with exactly one trailing separator added when it has none.
QString mitTrenner(const QString& pfad);
// The part after the last separator (the whole text when there is none).
QString namensteil(const QString& pfad);
// The part up to and including the last separator ("" when there is none).
QString verzeichnisteil(const QString& pfad);
bool istAbsolut(const QString& pfad);

// The user's home directory with a trailing separator: the default target,
// the default logbook directory and the logbook's fallback.
QString standardWurzel();

// The root of the file system.
QString dateisystemWurzel();

}  // namespace bewahrix::pfade
