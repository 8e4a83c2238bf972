#pragma once

#include "platform/Dialoge.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <array>
#include <chrono>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace bewahrix {

// Major, minor and revision.
using Versionsnummer = std::array<int, 3>;

namespace versionspruefung {

// The program's own server, set at build time: the version file lies
// under kDateipfad.
QUrl standardServer();
inline constexpr char16_t kDateipfad[] = u"/update/version_bewahrix.txt";
// The web site named in the message and opened by the menu, set at build
// time.
QUrl standardWebseite();
inline constexpr std::chrono::milliseconds kZeitlimit{10000};
// The version file is a few bytes: more is no usable answer.
inline constexpr qint64 kHoechstensBytes = 64 * 1024;

// Whether the build was given this address. Its placeholders lie in the
// reserved domain .example, which never answers.
bool eingestellt(const QUrl& adresse);

// Reads the version file's text by character positions: a number counts
// only when a dot follows it within its range (major 1–5, minor up to 10,
// revision up to 15), so "3.2.3" without the last dot has revision 0.
Versionsnummer lies(const QString& text);

// The box for the text the server sent; a text that is no version (an
// error page, nothing) was not understood.
Meldung meldung(const QString& text, const Versionsnummer& programm, const QUrl& webseite);
// The boxes of a check without a usable answer.
Meldung keineVerbindung();
Meldung nichtVerstanden();

}  // namespace versionspruefung

// "aktuelle Version suchen" and "Webseite besuchen". The check runs in the
// background: the window keeps working and shows a busy pointer until the
// answer or the time-out comes; then one message box says how it went.
class Versionspruefung : public QObject {
  Q_OBJECT

 public:
  using Oeffner = std::function<bool(const QUrl&)>;

  Versionspruefung(Dialoge& dialoge, const Versionsnummer& programm,
                   const QUrl& server = versionspruefung::standardServer(),
                   const QUrl& webseite = versionspruefung::standardWebseite(), QObject* parent = nullptr);
  ~Versionspruefung() override;

  // Starts the check; a second request while one is under way, or while
  // its box is open, is ignored. A build without a server says so at once.
  void pruefen();
  bool laeuft() const { return laeuft_; }

  // Opens the web site with the desktop's default handler; a build without
  // one says so.
  void webseiteOeffnen();

  // For tests: a shorter time-out and an opener that records the address.
  void setzeZeitlimit(std::chrono::milliseconds zeitlimit) { zeitlimit_ = zeitlimit; }
  void setzeOeffner(Oeffner oeffner) { oeffner_ = std::move(oeffner); }

 signals:
  // The check is over and its box has been answered.
  void beendet();

 private:
  void fertig();
  void melden(const Meldung& meldung);

  Dialoge& dialoge_;
  Versionsnummer programm_;
  QUrl server_;
  QUrl webseite_;
  std::chrono::milliseconds zeitlimit_ = versionspruefung::kZeitlimit;
  Oeffner oeffner_;
  QNetworkAccessManager* netz_;
  QTimer* frist_;
  QPointer<QNetworkReply> antwort_;
  bool zuGross_ = false;
  bool laeuft_ = false;
};

}  // namespace bewahrix
