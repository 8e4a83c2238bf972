// The version check, against a small HTTP server of the test's own.

#include "desktop/Versionspruefung.h"
#include "support/SkriptDialoge.h"

#include <QCursor>
#include <QGuiApplication>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace std::chrono_literals;

namespace {

constexpr Versionsnummer kProgramm{3, 2, 2};
const QUrl kWebseite(u"https://www.example.org/bewahrix"_s);

// Sends its answer to every request once the request's head is in; kTroepfeln sends a byte every 50 ms.
const QByteArray kTroepfeln;
struct KleinerServer {
  explicit KleinerServer(const QByteArray& inhalt) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    adresse = QUrl(u"http://127.0.0.1:"_s + QString::number(server_.serverPort()));
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this, inhalt] {
      while (QTcpSocket* s = server_.nextPendingConnection())
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, inhalt] {
          if (!s->peek(1 << 16).contains("\r\n\r\n")) return;
          anfragen.append(s->readAll().split('\r').first());
          if (inhalt.isNull()) {
            s->write("HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n");
            auto* takt = new QTimer(s);
            QObject::connect(takt, &QTimer::timeout, s, [s] { s->write("X"); });
            return takt->start(50);
          }
          s->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(inhalt.size()) +
                   "\r\nConnection: close\r\n\r\n" + inhalt);
          s->disconnectFromHost();
        });
    });
  }
  QTcpServer server_;
  QUrl adresse;
  QList<QByteArray> anfragen;  // the first line of every request
};

// Which box came matters, not its wording twice over.
const Meldung zugriffFehlt = versionspruefung::keineVerbindung(), nichtVerstanden = versionspruefung::nichtVerstanden();
const Meldung aktuell = information(u"Keine neue Version verfügbar, Sie sind auf den neusten Stand."_s);
Meldung neuer(const QString& version) {
  return information(u"Die Version "_s + version + u" wurde gefunden und liegt zum Download bereit.\n"_s
                     u"Gehen Sie auf die Internetseite https://www.example.org/bewahrix und laden Sie sich die neue "_s
                     u"Version herunter."_s);
}

TEST(Versionsdatei, LiestNachZeichenpositionenUndVergleichtZahlen) {
  // Read by character positions, as the published file has always been read; numbers compare, not text.
  const std::pair<QString, Versionsnummer> nummern[] = {
      {u"3.2.3."_s, {3, 2, 3}}, {u"3.2.3"_s, {3, 2, 0}}, {u"12345.6.7."_s, {0, 6, 7}},
      {u"1.2.      9   ."_s, {1, 2, 9}}, {u"1.2.      9    ."_s, {1, 2, 0}}};
  for (const auto& [datei, nummer] : nummern) EXPECT_EQ(versionspruefung::lies(datei), nummer) << datei.toStdString();
  const std::pair<QString, Meldung> faelle[] = {
      {u" 3.2.3. \r\n"_s, neuer(u"3.2.3."_s)}, {u"3.2.2."_s, aktuell}, {u"3.1.9."_s, aktuell},
      {u"3.10.0."_s, neuer(u"3.10.0."_s)}, {u"<html>3.2.3.</html>"_s, nichtVerstanden}};
  for (const auto& [datei, meldung] : faelle)
    EXPECT_EQ(versionspruefung::meldung(datei, kProgramm, kWebseite), meldung) << datei.toStdString();
}

// The limit is for the whole answer, not each byte; meanwhile the window works on, busy.
TEST(Versionspruefung, JedeArtDerAntwortEndetMitIhremKasten) {
  QNetworkProxyFactory::setUseSystemConfiguration(false);  // our server directly, whatever proxy there is
  QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
  test::SkriptDialoge dialoge;
  const std::tuple<const char*, QByteArray, Meldung> faelle[] = {
      {"neuere Version", "3.2.3.", neuer(u"3.2.3."_s)},
      {"zu groß", QByteArray(versionspruefung::kHoechstensBytes + 1, '3'), nichtVerstanden},
      {"tröpfelt über die Frist", kTroepfeln, zugriffFehlt}};
  for (const auto& [name, inhalt, kasten] : faelle) {
    SCOPED_TRACE(name);
    KleinerServer server(inhalt);
    Versionspruefung pruefung(dialoge, kProgramm, server.adresse, kWebseite);
    pruefung.setzeZeitlimit(400ms);
    QSignalSpy ende(&pruefung, &Versionspruefung::beendet);
    dialoge.erwarte(kasten);
    pruefung.pruefen();
    // Returns at once, busy, the answer still to come; a second click while waiting starts nothing.
    const QCursor* zeiger = QGuiApplication::overrideCursor();
    EXPECT_EQ(std::tuple(pruefung.laeuft(), dialoge.alleGezeigt(), zeiger ? zeiger->shape() : Qt::ArrowCursor),
              std::tuple(true, false, Qt::BusyCursor));
    pruefung.pruefen();
    ASSERT_TRUE(ende.wait(8000)) << "no end within 8 s: the time-out of 400 ms did not apply (the default is 10 s)";
    EXPECT_EQ(std::tuple(server.anfragen, dialoge.alleGezeigt(), ende.size(), pruefung.laeuft(),
                         QGuiApplication::overrideCursor()),
              std::tuple(QList<QByteArray>{"GET /update/version_bewahrix.txt HTTP/1.1"}, true, 1, false, nullptr));
  }
  KleinerServer server(kTroepfeln);
  // The window goes while the check waits: no box, and the normal pointer again.
  auto wartend = std::make_unique<Versionspruefung>(dialoge, kProgramm, server.adresse, kWebseite);
  wartend->pruefen();
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  wartend.reset();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Until a distributor sets the addresses (placeholders or none) the build says so and contacts nothing.
TEST(Versionspruefung, OhneEingestellteAdressenSagtSieEsUndOeffnetNichts) {
  test::SkriptDialoge dialoge;
  QList<QUrl> geoeffnet;
  for (const QUrl& webseite : {QUrl(u"http://bewahrix.example"_s), QUrl(u"HTTP://Example/"_s), QUrl(), kWebseite}) {
    SCOPED_TRACE(webseite.toString().toStdString());
    Versionspruefung pruefung(dialoge, kProgramm, webseite == kWebseite ? QUrl() : webseite, webseite);
    pruefung.setzeOeffner([&](const QUrl& adresse) { return geoeffnet.append(adresse), false; });  // failing says nothing
    dialoge.erwarte(information(u"In dieser Ausgabe von Bewahrix ist kein Versionsserver eingestellt."_s));
    if (webseite != kWebseite)
      dialoge.erwarte(information(u"In dieser Ausgabe von Bewahrix ist keine Webseite eingestellt."_s));
    pruefung.pruefen();  // answered at once, nothing to wait for
    pruefung.webseiteOeffnen();
    EXPECT_EQ(std::pair(dialoge.alleGezeigt(), pruefung.laeuft()), std::pair(true, false));
  }
  EXPECT_EQ(geoeffnet, QList{kWebseite});
}

}  // namespace
