#include "desktop/HotkeyPortal.h"

#include "desktop/Hotkeys.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

// One entry of the portal's shortcut lists, a(sa{sv}).
struct PortalKuerzel {
  QString id;
  QVariantMap eigenschaften;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalKuerzel& kuerzel) {
  argument.beginStructure();
  argument << kuerzel.id << kuerzel.eigenschaften;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalKuerzel& kuerzel) {
  argument.beginStructure();
  argument >> kuerzel.id >> kuerzel.eigenschaften;
  argument.endStructure();
  return argument;
}

}  // namespace bewahrix

Q_DECLARE_METATYPE(bewahrix::PortalKuerzel)

namespace bewahrix {

namespace hotkeys {

QString portalAusloeser(int keyCode, int shiftMask) {
  const std::uint32_t sym = keysym(keyCode);
  if (sym == 0) return {};
  QString taste = sym >= kXkF1 ? u"F%1"_s.arg(sym - kXkF1 + 1) : QString(QChar(static_cast<char16_t>(sym)));
  if (shiftMask & 1) taste.prepend(u"SHIFT+"_s);
  if (shiftMask & 4) taste.prepend(u"ALT+"_s);
  if (shiftMask & 2) taste.prepend(u"CTRL+"_s);
  return taste;
}

}  // namespace hotkeys

namespace {

const QString kDienst = u"org.freedesktop.portal.Desktop"_s;
const QString kPfad = u"/org/freedesktop/portal/desktop"_s;
const QString kKuerzel = u"org.freedesktop.portal.GlobalShortcuts"_s;
const QString kAnfrage = u"org.freedesktop.portal.Request"_s;
const QString kId = u"fenster-zeigen"_s;

// Response codes of a portal request: 0 done, 1 cancelled by the user.
constexpr uint kErledigt = 0;
constexpr uint kAbgebrochen = 1;
constexpr uint kFehler = 2;

// The portal names the session with a string or an object path.
QString pfadAus(const QVariant& wert) {
  if (wert.metaType() == QMetaType::fromType<QDBusObjectPath>()) return wert.value<QDBusObjectPath>().path();
  return wert.toString();
}

// Closing the session releases its shortcuts.
void schliessen(const QString& sitzung) {
  if (sitzung.isEmpty()) return;
  QDBusConnection::sessionBus().asyncCall(
      QDBusMessage::createMethodCall(kDienst, sitzung, u"org.freedesktop.portal.Session"_s, u"Close"_s));
}

}  // namespace

HotkeyPortal::HotkeyPortal() {
  qDBusRegisterMetaType<PortalKuerzel>();
  qDBusRegisterMetaType<QList<PortalKuerzel>>();
  QDBusConnection::sessionBus().connect(kDienst, kPfad, kKuerzel, u"Activated"_s, this,
                                        SLOT(aktiviert(QDBusMessage)));
}

HotkeyPortal::~HotkeyPortal() { sitzungSchliessen(); }

bool HotkeyPortal::anmelden(int id, int keyCode, int shiftMask) {
  const QString ausloeser = hotkeys::portalAusloeser(keyCode, shiftMask);
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (id_ != 0 || ausloeser.isEmpty() || !bus.isConnected()) return false;
  // No portal at all gives a plain 0, as a taken key does.
  const QDBusConnectionInterface* dbus = bus.interface();
  if (!dbus->isServiceRegistered(kDienst) && !dbus->activatableServiceNames().value().contains(kDienst))
    return false;
  id_ = id;
  ausloeser_ = ausloeser;
  const QString kennung = u"bewahrix%1"_s.arg(++anfragen_);
  anfragen(u"CreateSession"_s, {QVariantMap{{u"handle_token"_s, kennung}, {u"session_handle_token"_s, kennung}}},
           kennung, [this, id](uint antwort, const QVariantMap& ergebnis) {
             const QString sitzung = pfadAus(ergebnis.value(u"session_handle"_s));
             if (id != id_) {
               schliessen(sitzung);  // released while the portal was still creating it
             } else if (antwort != kErledigt || sitzung.isEmpty()) {
               scheitern(antwort == kAbgebrochen);
             } else {
               sitzung_ = sitzung;
               binden();
             }
           });
  return true;
}

void HotkeyPortal::binden() {
  const PortalKuerzel kuerzel{kId, {{u"description"_s, u"Bewahrix-Fenster wiederherstellen"_s},
                                    {u"preferred_trigger"_s, ausloeser_}}};
  const QString kennung = u"bewahrix%1"_s.arg(++anfragen_);
  anfragen(u"BindShortcuts"_s,
           {QVariant::fromValue(QDBusObjectPath(sitzung_)), QVariant::fromValue(QList<PortalKuerzel>{kuerzel}),
            QString(), QVariantMap{{u"handle_token"_s, kennung}}},
           kennung, [this, id = id_](uint antwort, const QVariantMap& ergebnis) {
             if (id != id_) return;
             // Done, but our shortcut missing or without a key: the user left it unbound.
             const auto liste = qdbus_cast<QList<PortalKuerzel>>(ergebnis.value(u"shortcuts"_s));
             const bool gebunden = std::any_of(liste.cbegin(), liste.cend(), [](const PortalKuerzel& k) {
               return k.id == kId && !k.eigenschaften.value(u"trigger_description"_s).toString().isEmpty();
             });
             if (antwort != kErledigt || !gebunden) scheitern(antwort <= kAbgebrochen);
           });
}

// The answer comes as the signal Response of a request object whose path
// follows from our bus name and the token; listening starts before the call.
void HotkeyPortal::anfragen(const QString& methode, QVariantList argumente, const QString& kennung, Weiter weiter) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QString absender = bus.baseService().mid(1).replace(u'.', u'_');
  const QString pfad = kPfad + u"/request/"_s + absender + u'/' + kennung;
  warten_.insert(pfad, std::move(weiter));
  bus.connect(kDienst, pfad, kAnfrage, u"Response"_s, this, SLOT(beantwortet(uint, QVariantMap, QDBusMessage)));
  QDBusMessage aufruf = QDBusMessage::createMethodCall(kDienst, kPfad, kKuerzel, methode);
  aufruf.setArguments(argumente);
  auto* beobachter = new QDBusPendingCallWatcher(bus.asyncCall(aufruf), this);
  connect(beobachter, &QDBusPendingCallWatcher::finished, this, [this, pfad](QDBusPendingCallWatcher* aufgabe) {
    aufgabe->deleteLater();
    if (!aufgabe->isError()) return;
    // No such interface (an older portal) or no portal after all.
    if (const Weiter weiter = abholen(pfad)) weiter(kFehler, {});
  });
}

void HotkeyPortal::beantwortet(uint antwort, const QVariantMap& ergebnis, const QDBusMessage& nachricht) {
  if (const Weiter weiter = abholen(nachricht.path())) weiter(antwort, ergebnis);
}

HotkeyPortal::Weiter HotkeyPortal::abholen(const QString& pfad) {
  QDBusConnection::sessionBus().disconnect(kDienst, pfad, kAnfrage, u"Response"_s, this,
                                           SLOT(beantwortet(uint, QVariantMap, QDBusMessage)));
  return warten_.take(pfad);
}

// The whole message: a slot with typed arguments would need the object path
// type known to the type system before the first call.
void HotkeyPortal::aktiviert(const QDBusMessage& nachricht) {
  const QVariantList argumente = nachricht.arguments();
  if (id_ == 0 || sitzung_.isEmpty() || argumente.size() < 2) return;
  if (pfadAus(argumente.at(0)) == sitzung_ && argumente.at(1).toString() == kId) emit ausgeloest(id_);
}

void HotkeyPortal::abmelden(int id) {
  if (id == 0 || id != id_) return;
  id_ = 0;
  sitzungSchliessen();
}

void HotkeyPortal::scheitern(bool vomBenutzer) {
  const int id = id_;
  id_ = 0;
  sitzungSchliessen();
  emit abgewiesen(id, vomBenutzer);
}

void HotkeyPortal::sitzungSchliessen() {
  schliessen(sitzung_);
  sitzung_.clear();
}

}  // namespace bewahrix
