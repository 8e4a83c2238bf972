#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace bewahrix {

// A mounted file system: where it is mounted and its type, as
// /proc/self/mountinfo says. A stick with the same label is mounted at the
// same place with the same type, so it counts as the same drive.
struct Einhaengung {
  QByteArray punkt;  // the kernel's bytes
  QByteArray typ;    // "ext4", "vfat", "cifs", "autofs", ...
  bool operator==(const Einhaengung&) const = default;
};

// The mount that holds pfad or, where pfad does not exist, its nearest
// existing parent; links are followed. Nothing when the mount table cannot
// be read.
std::optional<Einhaengung> einhaengungVon(const QString& pfad);

// When pfad does not exist and its nearest existing parent looks like the
// place of a drive that is not there, that folder: an automount point with
// nothing mounted, or an empty folder, not mounted on, that is a mount point
// of /etc/fstab or lies directly below /media, /media/<user>,
// /run/media/<user> or /mnt.
std::optional<QString> ortEinesFehlendenDatentraegers(const QString& pfad);

}  // namespace bewahrix
