#pragma once

#include "desktop/HotkeyWeg.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QHash>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace bewahrix {

namespace hotkeys {

// The shortcut's trigger in the notation of the portal ("ALT+s"); empty
// for a key that has no such name here.
QString portalAusloeser(int keyCode, int shiftMask);

}  // namespace hotkeys

// ALT+S through org.freedesktop.portal.GlobalShortcuts on the session bus:
// a session, one bound shortcut, Activated when it is pressed. The desktop
// may ask the user first, so the outcome arrives later; a decline or a
// failure ends in abgewiesen(). One shortcut at a time: it shows the window.
class HotkeyPortal : public HotkeyWeg {
  Q_OBJECT

 public:
  HotkeyPortal();
  ~HotkeyPortal() override;

  bool anmelden(int id, int keyCode, int shiftMask) override;
  void abmelden(int id) override;
  int anzahl() const override { return id_ != 0 ? 1 : 0; }

 private slots:
  void aktiviert(const QDBusMessage& nachricht);
  void beantwortet(uint antwort, const QVariantMap& ergebnis, const QDBusMessage& nachricht);

 private:
  using Weiter = std::function<void(uint antwort, const QVariantMap& ergebnis)>;

  void anfragen(const QString& methode, QVariantList argumente, const QString& kennung, Weiter weiter);
  Weiter abholen(const QString& pfad);
  void binden();
  void scheitern(bool vomBenutzer);
  void sitzungSchliessen();

  int id_ = 0;  // 0: none asked for
  QString ausloeser_;
  QString sitzung_;
  int anfragen_ = 0;
  QHash<QString, Weiter> warten_;  // by request path
};

}  // namespace bewahrix
