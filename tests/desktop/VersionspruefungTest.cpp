// The version check: the published file's text read by character positions,
// and against a small HTTP server of the test's own on 127.0.0.1 the
// request, the failures, the time-out and the web site.

#include "desktop/Versionspruefung.h"
#include "support/SkriptDialoge.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace std::chrono_literals;

namespace {

constexpr Versionsnummer kProgramm{3, 2, 2};
constexpr int kWarteMs = 5000;

// Answers a GET of the version file with the given body and anything else
// with 404; or has no file; or says nothing at all; or sends a long body one
// byte at a time.
class KleinerServer {
 public:
  enum class Art { Antwort, Fehlt, Schweigen, Troepfeln };

  explicit KleinerServer(Art art, QByteArray inhalt = {}) : art_(art), inhalt_(std::move(inhalt)) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        auto puffer = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, puffer] {
          *puffer += s->readAll();
          if (!puffer->contains("\r\n\r\n")) return;
          anfragen.append(puffer->left(puffer->indexOf("\r\n")));
          beantworten(s, anfragen.constLast());
        });
      }
    });
  }
  QUrl adresse() const { return QUrl(u"http://127.0.0.1:"_s + QString::number(server_.serverPort())); }
  QList<QByteArray> anfragen;  // the first line of every request

 private:
  void beantworten(QTcpSocket* s, const QByteArray& zeile) {
    if (art_ == Art::Schweigen) return;
    if (art_ == Art::Troepfeln) {
      auto* takt = new QTimer(s);
      QObject::connect(takt, &QTimer::timeout, s, [s] { s->write("X"); });
      s->write("HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n");
      takt->start(50);
      return;
    }
    const bool gefunden = art_ == Art::Antwort && zeile == "GET /update/version_bewahrix.txt HTTP/1.1";
    const QByteArray inhalt = gefunden ? inhalt_ : QByteArray("<html>nicht da</html>");
    s->write(QByteArray(gefunden ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") + "Content-Length: " +
             QByteArray::number(inhalt.size()) + "\r\nConnection: close\r\n\r\n" + inhalt);
    s->disconnectFromHost();
  }

  Art art_;
  QByteArray inhalt_;
  QTcpServer server_;
};

Meldung zugriffFehlt() {
  return {u"Konnte auf das Internet nicht zugreifen oder Versionsdatei wurde nicht gefunden."_s, u"Bewahrix"_s,
          Symbol::Kritisch};
}
Meldung aktuell() { return information(u"Keine neue Version verfügbar, Sie sind auf den neusten Stand."_s); }
Meldung neuer(const QString& version) {
  return information(u"Die Version "_s + version + u" wurde gefunden und liegt zum Download bereit.\n"_s
                     u"Gehen Sie auf die Internetseite http://bewahrix.example und laden Sie sich die neue "_s
                     u"Version herunter."_s);
}

TEST(Versionsdatei, LiestNachZeichenpositionenUndVergleichtZahlen) {
  using versionspruefung::lies;
  EXPECT_EQ(lies(u"3.2.3."_s), (Versionsnummer{3, 2, 3}));
  EXPECT_EQ(lies(u"3.2.3"_s), (Versionsnummer{3, 2, 0})) << "the revision counts only with its dot";
  // A failed first search ends at position 6; the minor search starts at 7.
  EXPECT_EQ(lies(u"12345.6.7."_s), (Versionsnummer{0, 6, 7}));
  // A piece that is no number leaves its part at 0; the next part still counts.
  EXPECT_EQ(lies(u"3.x.5."_s), (Versionsnummer{3, 0, 5}));
  // The revision's dot has to lie within position 15.
  EXPECT_EQ(lies(u"1.2.      9   ."_s), (Versionsnummer{1, 2, 9}));
  EXPECT_EQ(lies(u"1.2.      9    ."_s), (Versionsnummer{1, 2, 0}));
  const std::pair<QString, Meldung> faelle[] = {
      {u"3.2.3."_s, neuer(u"3.2.3."_s)}, {u"3.2.3"_s, aktuell()},         {u"4.0.0."_s, neuer(u"4.0.0."_s)},
      {u"3.1.9."_s, aktuell()},          {u"3.2.2."_s, aktuell()},        {u"10.0.0."_s, neuer(u"10.0.0."_s)},
      // Numbers, not text: 10 > 3 although "1" < "3".
      {u"3.10.0."_s, neuer(u"3.10.0."_s)},
      // Blanks shift the positions but not the numbers; the box shows the text without them.
      {u" 3.2.3. \r\n"_s, neuer(u"3.2.3."_s)},
      {u"   \r\n"_s, zugriffFehlt()},      {QString(), zugriffFehlt()},
  };
  for (const auto& [datei, meldung] : faelle)
    EXPECT_EQ(versionspruefung::meldung(datei, kProgramm), meldung) << datei.toStdString();
}

class VersionspruefungTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The test's server is reached directly, whatever proxy the machine has.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
  }
  // Runs one check against adresse and waits, bounded, for its end.
  void pruefe(const QUrl& adresse, std::chrono::milliseconds zeitlimit = 3s) {
    Versionspruefung pruefung(dialoge, kProgramm, adresse);
    pruefung.setzeZeitlimit(zeitlimit);
    QSignalSpy ende(&pruefung, &Versionspruefung::beendet);
    pruefung.pruefen();
    ASSERT_TRUE(ende.wait(kWarteMs));
    EXPECT_TRUE(dialoge.alleGezeigt());
  }

  test::SkriptDialoge dialoge;
};

TEST_F(VersionspruefungTest, VersionsdateiFehlendeDateiUndKeinServer) {
  KleinerServer server(KleinerServer::Art::Antwort, "3.2.3.");
  dialoge.erwarte(neuer(u"3.2.3."_s));
  pruefe(server.adresse());
  EXPECT_EQ(server.anfragen, QList<QByteArray>{"GET /update/version_bewahrix.txt HTTP/1.1"});

  // A missing file: the server's error page is no version.
  KleinerServer ohneDatei(KleinerServer::Art::Fehlt);
  dialoge.erwarte(zugriffFehlt());
  pruefe(ohneDatei.adresse());
  EXPECT_EQ(ohneDatei.anfragen.size(), 1);

  // A port that was free a moment ago refuses the connection.
  QUrl frei;
  {
    QTcpServer kurz;
    ASSERT_TRUE(kurz.listen(QHostAddress::LocalHost, 0));
    frei = QUrl(u"http://127.0.0.1:"_s + QString::number(kurz.serverPort()));
  }
  dialoge.erwarte(zugriffFehlt());
  pruefe(frei);
}

TEST_F(VersionspruefungTest, StummerServerEndetNachDerFristUndDasFensterArbeitetWeiter) {
  KleinerServer server(KleinerServer::Art::Schweigen);
  Versionspruefung pruefung(dialoge, kProgramm, server.adresse());
  pruefung.setzeZeitlimit(400ms);
  QSignalSpy ende(&pruefung, &Versionspruefung::beendet);
  int takte = 0;
  bool beschaeftigt = false;
  QTimer takt;
  QObject::connect(&takt, &QTimer::timeout, &takt, [&] {
    ++takte;
    const QCursor* zeiger = QGuiApplication::overrideCursor();
    beschaeftigt |= zeiger != nullptr && zeiger->shape() == Qt::BusyCursor;
  });
  takt.start(20);
  bool zeigerImKasten = true;
  dialoge.beimZeigen = [&] { zeigerImKasten = QGuiApplication::overrideCursor() != nullptr; };
  dialoge.erwarte(zugriffFehlt());
  QElapsedTimer uhr;
  uhr.start();
  pruefung.pruefen();
  // Returned at once: the answer is still to come.
  EXPECT_TRUE(pruefung.laeuft());
  EXPECT_FALSE(dialoge.alleGezeigt());
  pruefung.pruefen();  // a second click while waiting starts nothing

  ASSERT_TRUE(ende.wait(kWarteMs));
  EXPECT_GE(uhr.elapsed(), 300);
  EXPECT_LT(uhr.elapsed(), 3000);
  EXPECT_TRUE(dialoge.alleGezeigt());
  EXPECT_EQ(ende.size(), 1);
  EXPECT_EQ(server.anfragen.size(), 1);
  EXPECT_GE(takte, 5);
  EXPECT_TRUE(beschaeftigt);
  EXPECT_FALSE(zeigerImKasten);  // the box gets the normal pointer
  EXPECT_FALSE(pruefung.laeuft());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(VersionspruefungTest, TroepfelnderServerHaeltDieFristNichtAuf) {
  // Every byte arrives in time, the whole answer never: the limit is for the whole answer.
  KleinerServer server(KleinerServer::Art::Troepfeln);
  dialoge.erwarte(zugriffFehlt());
  QElapsedTimer uhr;
  uhr.start();
  pruefe(server.adresse(), 400ms);
  EXPECT_LT(uhr.elapsed(), 3000);
}

TEST_F(VersionspruefungTest, AbgebrochenOhneKastenWennDasFensterGeht) {
  KleinerServer server(KleinerServer::Art::Schweigen);
  {
    Versionspruefung pruefung(dialoge, kProgramm, server.adresse());
    pruefung.pruefen();
    QSignalSpy(&pruefung, &Versionspruefung::beendet).wait(200);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  }
  // No box (the script expects none) and the normal pointer again.
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(VersionspruefungTest, WebseiteMitSanduhr) {
  Versionspruefung pruefung(dialoge, kProgramm);
  QList<QUrl> geoeffnet;
  Qt::CursorShape zeiger = Qt::ArrowCursor;
  pruefung.setzeOeffner([&](const QUrl& adresse) {
    geoeffnet.append(adresse);
    if (const QCursor* c = QGuiApplication::overrideCursor()) zeiger = c->shape();
    return false;  // a failure says nothing
  });
  pruefung.webseiteOeffnen();
  EXPECT_EQ(geoeffnet, QList<QUrl>{QUrl(u"http://bewahrix.example"_s)});
  EXPECT_EQ(zeiger, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
