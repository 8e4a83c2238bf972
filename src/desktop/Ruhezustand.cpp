#include "desktop/Ruhezustand.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

const QString kDienst = u"org.freedesktop.login1"_s;
const QString kPfad = u"/org/freedesktop/login1"_s;
const QString kVerwaltung = u"org.freedesktop.login1.Manager"_s;

}  // namespace

Ruhezustand::Ruhezustand(QObject* eltern) : QObject(eltern) {
  QDBusConnection::systemBus().connect(kDienst, kPfad, kVerwaltung, u"PrepareForSleep"_s, this,
                                       SLOT(schlaf(bool)));
}

void Ruhezustand::sperren(const QString& warum) {
  freigeben();
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return;
  QDBusMessage anfrage = QDBusMessage::createMethodCall(kDienst, kPfad, kVerwaltung, u"Inhibit"_s);
  anfrage << u"sleep:idle"_s << u"Bewahrix"_s << warum << u"block"_s;
  // Asked without waiting: the run does not wait for the answer either.
  auto* warten = new QDBusPendingCallWatcher(bus.asyncCall(anfrage), this);
  connect(warten, &QDBusPendingCallWatcher::finished, this, [this, warten, nummer = anfrage_] {
    const QDBusPendingReply<QDBusUnixFileDescriptor> antwort = *warten;
    if (nummer == anfrage_ && antwort.isValid()) sperre_ = antwort.value();
    warten->deleteLater();
  });
}

void Ruhezustand::freigeben() {
  ++anfrage_;
  sperre_ = {};
}

void Ruhezustand::schlaf(bool beginnt) {
  if (!beginnt) emit aufgewacht();
}

}  // namespace bewahrix
