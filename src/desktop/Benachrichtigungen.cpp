#include "desktop/Benachrichtigungen.h"

#include "Anwendung.h"
#include "desktop/Tray.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

const QString kDienst = u"org.freedesktop.Notifications"_s;
const QString kPfad = u"/org/freedesktop/Notifications"_s;
// The calls wait this long at most: a notification is not worth a window
// that hangs.
constexpr int kFristMs = 1000;

QDBusMessage aufruf(const QString& methode) {
  return QDBusMessage::createMethodCall(kDienst, kPfad, kDienst, methode);
}

}  // namespace

Benachrichtigungen::Benachrichtigungen(Tray& tray, QObject* eltern) : QObject(eltern), tray_(tray) {
  QDBusConnection::sessionBus().connect(kDienst, kPfad, kDienst, u"ActionInvoked"_s, this,
                                        SLOT(aufgerufen(uint, QString)));
  connect(&tray_, &Tray::nachrichtGeklickt, this, [this] {
    if (!imTray_.isEmpty()) emit aktion(std::exchange(imTray_, {}), u"default"_s);
  });
}

void Benachrichtigungen::zeigen(const QString& name, const Benachrichtigung& b) {
  if (senden(name, b)) return;
  imTray_ = name;
  tray_.nachricht(b.titel, b.text, b.dringend);
}

bool Benachrichtigungen::senden(const QString& name, const Benachrichtigung& b) {
  QDBusMessage anfrage = aufruf(u"Notify"_s);
  const QString id = QString::fromUtf16(anwendung::kId);
  const QVariantMap hinweise{{u"urgency"_s, QVariant::fromValue(uchar(b.dringend ? 2 : 1))},
                             {u"desktop-entry"_s, id}};
  anfrage << u"Bewahrix"_s << ids_.value(name, 0u) << id << b.titel << alsText(b.text) << b.aktionen
          << hinweise << (b.dringend ? 0 : -1);
  const QDBusReply<uint> antwort = QDBusConnection::sessionBus().call(anfrage, QDBus::Block, kFristMs);
  if (!antwort.isValid()) return false;
  ids_.insert(name, antwort.value());
  return true;
}

QString Benachrichtigungen::alsText(const QString& text) {
  // Asked until the service has answered once: it may come up later.
  if (!markup_) {
    const QDBusReply<QStringList> faehig =
        QDBusConnection::sessionBus().call(aufruf(u"GetCapabilities"_s), QDBus::Block, kFristMs);
    if (faehig.isValid()) markup_ = faehig.value().contains(u"body-markup"_s);
  }
  return markup_.value_or(false) ? text.toHtmlEscaped() : text;
}

void Benachrichtigungen::zurueckziehen(const QString& name) {
  if (imTray_ == name) imTray_.clear();
  const auto id = ids_.constFind(name);
  if (id == ids_.cend()) return;
  QDBusMessage anfrage = aufruf(u"CloseNotification"_s);
  anfrage << *id;
  QDBusConnection::sessionBus().call(anfrage, QDBus::Block, kFristMs);
  ids_.erase(id);
}

void Benachrichtigungen::aufgerufen(uint id, const QString& schluessel) {
  const QString name = ids_.key(id);
  if (!name.isEmpty()) emit aktion(name, schluessel);
}

}  // namespace bewahrix
