#pragma once

#include <QObject>

namespace bewahrix {

// How this session takes a global key: an X11 grab or the desktop portal.
// The ids come from Hotkeys; a way only keeps them.
class HotkeyWeg : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // False when the key cannot be taken; no message. True may still end in
  // abgewiesen() when the way answers later.
  virtual bool anmelden(int id, int keyCode, int shiftMask) = 0;
  virtual void abmelden(int id) = 0;
  virtual int anzahl() const = 0;

 signals:
  void ausgeloest(int id);
  // A registration that had been accepted is not in force after all;
  // vomBenutzer when the user declined it.
  void abgewiesen(int id, bool vomBenutzer);
};

}  // namespace bewahrix
