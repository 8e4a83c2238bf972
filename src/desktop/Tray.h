#pragma once

#include <QObject>
#include <QString>

class QSystemTrayIcon;

namespace bewahrix {

// The icon in the notification area with its two looks and tooltips. Where
// the desktop has no tray yet, it asks again for a while: the tray may come
// up after the program.
class Tray : public QObject {
  Q_OBJECT

 public:
  explicit Tray(QObject* parent = nullptr);

  // Adds the icon in its normal look with the tooltip "Bewahrix".
  void hinzufuegen();
  void entfernen();
  // Normal look with this tooltip, or the error look.
  void normal(const QString& tooltip);
  void fehler();

  bool sichtbar() const;
  bool fehlerAnzeige() const { return fehler_; }
  QString tooltip() const;

 signals:
  // A click on the icon: left button, or right button (context).
  void geklickt(bool links);
  // The icon is in the tray now (also when that happened late).
  void bereit();

 private:
  void versuchen();

  QSystemTrayIcon* icon_;
  bool gewuenscht_ = false;
  bool fehler_ = false;
  int versuche_ = 0;
};

}  // namespace bewahrix
