#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

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

// Names are the kernel's bytes and need not be UTF-8. In a QString they are
// kept losslessly: valid UTF-8 as its characters, every other byte b as the
// lone surrogate U+DC00 + b, which valid UTF-8 never yields. So a name read
// from a listing reaches open, mkdir, rename and the Trash unchanged.
QString ausBytes(const char* bytes, qsizetype laenge);
QString ausBytes(const char* bytes);
QByteArray bytes(QStringView pfad);
// The text shown for a name (logbook, status, boxes): each byte that is not
// UTF-8 and each control character (line break, tab, ...) as "?".
QString anzeige(const QString& pfad);

}  // namespace bewahrix::pfade
