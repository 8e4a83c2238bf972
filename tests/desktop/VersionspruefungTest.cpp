// The version check against a small HTTP server of the test's own on
// 127.0.0.1: the published versions, the failures, the time-out, and the
// web site.

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

// Answers every GET of the version file with the given body, anything else
// with 404; or has no file; or says nothing at all; or sends a long body
// one byte at a time.
class KleinerServer {
 public:
  enum class Art { Antwort, Fehlt, Schweigen, Troepfeln };

  explicit KleinerServer(Art art, QByteArray inhalt = {}) : art_(art), inhalt_(std::move(inhalt)) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { annehmen(); });
  }

  QUrl adresse() const { return QUrl(u"http://127.0.0.1:"_s + QString::number(server_.serverPort())); }
  // The first line of every request.
  QList<QByteArray> anfragen;

 private:
  void annehmen() {
    while (QTcpSocket* s = server_.nextPendingConnection()) {
      auto puffer = std::make_shared<QByteArray>();
      QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, puffer] {
        *puffer += s->readAll();
        if (!puffer->contains("\r\n\r\n")) return;
        anfragen.append(puffer->left(puffer->indexOf("\r\n")));
        beantworten(s, anfragen.constLast());
      });
    }
  }

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
    s->write(QByteArray(gefunden ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
             "Content-Length: " + QByteArray::number(inhalt.size()) +
             "\r\nConnection: close\r\n\r\n" + inhalt);
    s->disconnectFromHost();
  }

  Art art_;
  QByteArray inhalt_;
  QTcpServer server_;
};

Meldung zugriffFehlt() {
  return {u"Konnte auf das Internet nicht zugreifen oder Versionsdatei wurde nicht gefunden."_s,
          u"Bewahrix"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok};
}
Meldung aktuell() {
  return {u"Keine neue Version verfügbar, Sie sind auf den neusten Stand."_s, u"Bewahrix"_s,
          Symbol::Information, Knoepfe::Ok, Antwort::Ok};
}
Meldung neuer(const QString& version) {
  return {u"Die Version "_s + version + u" wurde gefunden und liegt zum Download bereit.\n"_s
              u"Gehen Sie auf die Internetseite http://bewahrix.example und laden Sie sich die neue "_s
              u"Version herunter."_s,
          u"Bewahrix"_s, Symbol::Information, Knoepfe::Ok, Antwort::Ok};
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
  }

  test::SkriptDialoge dialoge;
};

struct Fall {
  const char* datei;
  Meldung meldung;
};

class Veroeffentlicht : public VersionspruefungTest, public ::testing::WithParamInterface<Fall> {};

TEST_P(Veroeffentlicht, MeldetObSieNeuerIst) {
  KleinerServer server(KleinerServer::Art::Antwort, GetParam().datei);
  dialoge.erwarte(GetParam().meldung);
  pruefe(server.adresse());
  EXPECT_TRUE(dialoge.alleGezeigt());
  ASSERT_EQ(server.anfragen.size(), 1);
  EXPECT_EQ(server.anfragen.at(0), "GET /update/version_bewahrix.txt HTTP/1.1");
}

INSTANTIATE_TEST_SUITE_P(
    Versionsdatei, Veroeffentlicht,
    ::testing::Values(Fall{"3.2.3.", neuer(u"3.2.3."_s)},
                      // The revision counts only with its dot.
                      Fall{"3.2.3", aktuell()},
                      Fall{"4.0.0.", neuer(u"4.0.0."_s)},
                      Fall{"3.1.9.", aktuell()},
                      Fall{"3.2.2.", aktuell()},
                      // Numbers, not text: 10 > 3 although "1" < "3".
                      Fall{"3.10.0.", neuer(u"3.10.0."_s)},
                      Fall{"10.0.0.", neuer(u"10.0.0."_s)},
                      // Blanks around it shift the positions but not the numbers,
                      // and the message shows the text without them.
                      Fall{" 3.2.3. \r\n", neuer(u"3.2.3."_s)},
                      // No dot within the first five characters: major stays 0.
                      Fall{"123456.9.9.", aktuell()},
                      Fall{"   \r\n", zugriffFehlt()},
                      Fall{"", zugriffFehlt()}));

TEST(Versionsdatei, LiestNachZeichenpositionen) {
  using versionspruefung::lies;
  EXPECT_EQ(lies(u"3.2.3."_s), (Versionsnummer{3, 2, 3}));
  EXPECT_EQ(lies(u"3.2.3"_s), (Versionsnummer{3, 2, 0}));
  // A failed first search ends at position 6; the minor search starts at 7.
  EXPECT_EQ(lies(u"12345.6.7."_s), (Versionsnummer{0, 6, 7}));
  // A piece that is no number leaves its part at 0; the next part still counts.
  EXPECT_EQ(lies(u"3.x.5."_s), (Versionsnummer{3, 0, 5}));
  // The revision's dot has to lie within position 15.
  EXPECT_EQ(lies(u"1.2.      9   ."_s), (Versionsnummer{1, 2, 9}));
  EXPECT_EQ(lies(u"1.2.      9    ."_s), (Versionsnummer{1, 2, 0}));
  EXPECT_EQ(lies(QString()), (Versionsnummer{0, 0, 0}));
}

TEST_F(VersionspruefungTest, OhneServerOderDateiKeinZugriff) {
  // A port that was free a moment ago refuses the connection.
  QUrl frei;
  {
    QTcpServer kurz;
    ASSERT_TRUE(kurz.listen(QHostAddress::LocalHost, 0));
    frei = QUrl(u"http://127.0.0.1:"_s + QString::number(kurz.serverPort()));
  }
  dialoge.erwarte(zugriffFehlt());
  pruefe(frei);

  // A missing file: the server's error page is no version.
  KleinerServer server(KleinerServer::Art::Fehlt);
  dialoge.erwarte(zugriffFehlt());
  pruefe(server.adresse());
  EXPECT_TRUE(dialoge.alleGezeigt());
  EXPECT_EQ(server.anfragen.size(), 1);
}

TEST_F(VersionspruefungTest, StummerServerEndetNachDerFristUndDasFensterArbeitetWeiter) {
  KleinerServer server(KleinerServer::Art::Schweigen);
  Versionspruefung pruefung(dialoge, kProgramm, server.adresse());
  pruefung.setzeZeitlimit(400ms);
  QSignalSpy ende(&pruefung, &Versionspruefung::beendet);

  int takte = 0;
  bool beschaeftigtAngezeigt = false;
  QTimer takt;
  takt.setInterval(20);
  QObject::connect(&takt, &QTimer::timeout, &takt, [&] {
    ++takte;
    const QCursor* zeiger = QGuiApplication::overrideCursor();
    if (zeiger != nullptr && zeiger->shape() == Qt::BusyCursor) beschaeftigtAngezeigt = true;
  });
  takt.start();

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
  EXPECT_TRUE(beschaeftigtAngezeigt);
  EXPECT_FALSE(zeigerImKasten);  // the box gets the normal pointer
  EXPECT_FALSE(pruefung.laeuft());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(VersionspruefungTest, TroepfelnderServerHaeltDieFristNichtAuf) {
  // Every byte arrives in time, the whole answer never: the limit is for
  // the whole answer.
  KleinerServer server(KleinerServer::Art::Troepfeln);
  dialoge.erwarte(zugriffFehlt());
  QElapsedTimer uhr;
  uhr.start();
  pruefe(server.adresse(), 400ms);
  EXPECT_TRUE(dialoge.alleGezeigt());
  EXPECT_LT(uhr.elapsed(), 3000);
}

TEST_F(VersionspruefungTest, AbgebrochenOhneKastenWennDasFensterGeht) {
  KleinerServer server(KleinerServer::Art::Schweigen);
  {
    Versionspruefung pruefung(dialoge, kProgramm, server.adresse());
    pruefung.pruefen();
    QSignalSpy angekommen(&pruefung, &Versionspruefung::beendet);
    angekommen.wait(200);
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
  ASSERT_EQ(geoeffnet.size(), 1);
  EXPECT_EQ(geoeffnet.at(0), QUrl(u"http://bewahrix.example"_s));
  EXPECT_EQ(zeiger, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
