#include "desktop/Tray.h"

#include "desktop/Symbol.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

constexpr int kVersuche = 30;
constexpr int kAbstandMs = 1000;
constexpr int kFristMs = 2000;
// At most this long for a hidden window's activation to go before the menu opens anyway.
constexpr int kMenueWartenMs = 1000;

// The program's symbol; the error look puts a red disc with a white cross
// over its lower right corner.
QIcon bild(bool fehler) {
  if (!fehler) return programmSymbol();
  QImage symbol = symbolBild(32);
  QPainter maler(&symbol);
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setPen(QPen(Qt::white, 1.5));
  maler.setBrush(QColor(200, 30, 30));
  maler.drawEllipse(QRectF(15, 15, 16, 16));
  maler.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
  maler.drawLine(QPointF(19.5, 19.5), QPointF(26.5, 26.5));
  maler.drawLine(QPointF(26.5, 19.5), QPointF(19.5, 26.5));
  return QIcon(QPixmap::fromImage(symbol));
}

// The same question the toolkit asks the session bus.
bool statusNotifierHost() {
  const QString watcher = u"org.kde.StatusNotifierWatcher"_s;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher)) return false;
  QDBusMessage frage = QDBusMessage::createMethodCall(watcher, u"/StatusNotifierWatcher"_s,
                                                      u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
  frage.setArguments({watcher, u"IsStatusNotifierHostRegistered"_s});
  const QDBusReply<QDBusVariant> antwort = bus.call(frage, QDBus::Block, kFristMs);
  return antwort.isValid() && antwort.value().variant().toBool();
}

}  // namespace

Tray::Tray(QMenu& menue, QObject* parent)
    : QObject(parent), menue_(menue), menueWartet_(new QTimer(this)), tooltip_(u"Bewahrix"_s) {
  menueWartet_->setSingleShot(true);
  menueWartet_->setInterval(kMenueWartenMs);
  connect(menueWartet_, &QTimer::timeout, this, &Tray::menueJetztOeffnen);
  // Queued: the toolkit tells of the new focus window before it has closed the popups.
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] {
    if (menueWartet_->isActive() && !aktivierungVersteckt()) menueWartet_->stop(), menueJetztOeffnen();
  }, Qt::QueuedConnection);
}

// The toolkit closes every popup when the program loses its activation. A
// window hidden to the tray loses it only a moment later (X11: once no other
// focus followed), and a menu opened in that moment vanished as it appeared.
// Until then the focus window is still the hidden one.
bool Tray::aktivierungVersteckt() {
  const QWindow* fokus = QGuiApplication::focusWindow();
  return fokus && !fokus->isVisible();
}

void Tray::menueOeffnen() {
  menueOrt_ = QCursor::pos();
  if (aktivierungVersteckt())
    menueWartet_->start();
  else
    menueJetztOeffnen();
}

void Tray::menueJetztOeffnen() { menue_.popup(menueOrt_); }

void Tray::hinzufuegen() {
  gewuenscht_ = true;
  normal(u"Bewahrix"_s);
  versuche_ = 0;
  versuchen();
}

void Tray::versuchen() {
  if (!gewuenscht_ || sichtbar()) return;
  if (!icon_) anlegen();
  if (icon_) {
    icon_->show();
    emit bereit();
    return;
  }
  if (++versuche_ < kVersuche) QTimer::singleShot(kAbstandMs, this, &Tray::versuchen);
}

// The toolkit decides once per program run whether icons go over D-Bus, at
// its first look at the tray. Off X11 there is no other way, so it must not
// look before a host has come up.
void Tray::anlegen() {
  const bool host = statusNotifierHost();
  if (!host && QGuiApplication::platformName() != u"xcb"_s) return;
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  icon_ = new QSystemTrayIcon(this);
  ueberDBus_ = host && QGuiApplication::platformName() != u"xcb"_s;
  icon_->setIcon(bild(fehler_));
  icon_->setToolTip(tooltip_);
  if (ueberDBus_) icon_->setContextMenu(&menue_);
  connect(icon_, &QSystemTrayIcon::messageClicked, this, &Tray::nachrichtGeklickt);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason grund) {
    if (grund == QSystemTrayIcon::Trigger) emit geklickt(true);
    if (grund == QSystemTrayIcon::Context) emit geklickt(false);
  });
}

void Tray::entfernen() {
  gewuenscht_ = false;
  if (icon_) icon_->hide();
}

void Tray::normal(const QString& tooltip) {
  fehler_ = false;
  tooltip_ = tooltip;
  zeigen();
}

void Tray::fehler() {
  fehler_ = true;
  tooltip_ = u"Error! Bewahrix (rechte Maustaste)"_s;
  zeigen();
}

void Tray::nachricht(const QString& titel, const QString& text, bool dringend) {
  if (sichtbar())
    icon_->showMessage(titel, text, dringend ? QSystemTrayIcon::Critical : QSystemTrayIcon::Information);
}

void Tray::zeigen() {
  if (!icon_) return;
  icon_->setIcon(bild(fehler_));
  icon_->setToolTip(tooltip_);
}

bool Tray::sichtbar() const { return icon_ && icon_->isVisible(); }

}  // namespace bewahrix
