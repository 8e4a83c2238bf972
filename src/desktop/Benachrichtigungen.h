#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace bewahrix {

class Tray;

// One notification. aktionen holds key and label in turn, as the desktop
// takes them; the key "default" is a click on the notification itself.
struct Benachrichtigung {
  QString titel;
  QString text;
  QStringList aktionen;
  bool dringend = false;  // critical, stays until the user closes it
};

// Desktop notifications (org.freedesktop.Notifications on the session
// bus), each under a name of the caller's: another one under the same name
// takes the place of the first, zurueckziehen closes it. Without the
// service the tray icon's message says it, and a click on that message is
// the default action; without a tray nothing is shown.
class Benachrichtigungen : public QObject {
  Q_OBJECT

 public:
  explicit Benachrichtigungen(Tray& tray, QObject* eltern = nullptr);

  void zeigen(const QString& name, const Benachrichtigung& b);
  void zurueckziehen(const QString& name);

 signals:
  // The user chose this action of the notification shown under name.
  void aktion(const QString& name, const QString& schluessel);

 private slots:
  void aufgerufen(uint id, const QString& schluessel);

 private:
  bool senden(const QString& name, const Benachrichtigung& b);
  // The text as the service takes it: escaped where it reads markup.
  QString alsText(const QString& text);

  Tray& tray_;
  QHash<QString, uint> ids_;  // by name, as the service numbered them
  std::optional<bool> markup_;
  QString imTray_;  // the name whose message the tray shows
};

}  // namespace bewahrix
