#pragma once

#include "platform/Ergebnis.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace bewahrix {

class Entferner;

// What could not be deleted, and why.
struct Loeschfehler {
  QString pfad;
  Fehler fehler;
};

// Deletes every path of the list, each with its whole content, into the
// Trash or for good. A path ending in "/*.*" stands for everything in that
// directory (dot-files included), which itself stays; a directory that does
// not exist has nothing to delete. A trailing "/" is dropped first, so
// "/alt/" deletes the directory /alt itself. Returns what could not be
// deleted: empty when everything was.
QList<Loeschfehler> dateienLoeschen(Entferner& entferner, const QStringList& pfade, bool inPapierkorb);

// A file that emptying a target must never take with it.
struct GeschuetzteDatei {
  QString pfad;
  QString bezeichnung;  // "das Logbuch"
};

// Why emptying ziel before a run must not happen, or nothing when it may:
// the file-system root, the home directory or one above it, a relative path,
// a directory that one of the task's sources lies in or below, or one that
// holds a protected file.
std::optional<QString> leerenVerweigert(const QString& ziel, const QStringList& quellen,
                                        const QList<GeschuetzteDatei>& geschuetzt = {});

}  // namespace bewahrix
