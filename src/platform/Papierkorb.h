#pragma once

#include "platform/Ergebnis.h"

#include <QString>

namespace bewahrix {

// Removal of one item (file, symbolic link or whole directory tree).
class Entferner {
 public:
  virtual ~Entferner() = default;
  // Moves the item into the freedesktop.org Trash (restorable, with its
  // original path). Where no trash can be had, the item stays and an error
  // is returned.
  virtual Status inDenPapierkorb(const QString& pfad) = 0;
  // Removes the item for good; a directory with its whole content. A
  // symbolic link is removed as a link: what it points to is never touched.
  virtual Status endgueltigLoeschen(const QString& pfad) = 0;
};

// The real Trash through GIO, and POSIX removal.
class SystemEntferner final : public Entferner {
 public:
  Status inDenPapierkorb(const QString& pfad) override;
  Status endgueltigLoeschen(const QString& pfad) override;
};

}  // namespace bewahrix
