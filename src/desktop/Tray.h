#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace bewahrix {

// The icon in the notification area with its two looks and tooltips: a
// StatusNotifierItem on the session bus where a host for those runs (KDE,
// GNOME with its AppIndicator extension), else an XEmbed icon on an X11 tray.
// Where the desktop has no tray yet, it asks again for a while: the tray may
// come up after the program.
class Tray : public QObject {
  Q_OBJECT

 public:
  // The menu a D-Bus host opens itself on the icon.
  explicit Tray(QMenu& menue, QObject* parent = nullptr);

  // Adds the icon in its normal look with the tooltip "Bewahrix".
  void hinzufuegen();
  void entfernen();
  // Normal look with this tooltip, or the error look.
  void normal(const QString& tooltip);
  void fehler();
  // A message beside the icon, where the desktop has no notification
  // service; nothing without a tray.
  void nachricht(const QString& titel, const QString& text, bool dringend);
  // Opens the menu at the pointer, for a click on an icon whose menu is ours
  // to show; right after the window went to the tray, once that has settled.
  void menueOeffnen();

  bool sichtbar() const;
  bool fehlerAnzeige() const { return fehler_; }
  QString tooltip() const { return tooltip_; }
  // Off X11 the desktop shows the icon and its menu through D-Bus; a popup
  // of ours cannot be placed at the pointer there.
  bool ueberDBus() const { return ueberDBus_; }

 signals:
  // A click on the icon: left button, or right button (context).
  void geklickt(bool links);
  // The icon is in the tray now (also when that happened late).
  void bereit();
  void nachrichtGeklickt();

 private:
  void versuchen();
  void anlegen();
  void zeigen();
  void menueJetztOeffnen();
  static bool aktivierungVersteckt();

  QMenu& menue_;
  QPoint menueOrt_;
  QTimer* menueWartet_;
  QSystemTrayIcon* icon_ = nullptr;  // made once a tray is there: the toolkit picks its kind then, for good
  QString tooltip_;
  bool ueberDBus_ = false;
  bool gewuenscht_ = false;
  bool fehler_ = false;
  int versuche_ = 0;
};

}  // namespace bewahrix
