#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace bewahrix {

class Entferner;

// Deletes every path of the list, each with its whole content, into the
// Trash or for good. A path ending in "/*.*" stands for everything in that
// directory (dot-files included), which itself stays; a trailing "/" is
// dropped first, so "/alt/" deletes the directory /alt itself. True when
// everything could be deleted.
bool dateienLoeschen(Entferner& entferner, const QStringList& pfade, bool inPapierkorb);

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
