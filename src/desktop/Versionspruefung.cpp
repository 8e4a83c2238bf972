#include "desktop/Versionspruefung.h"

#include "ui/Zeiger.h"

#include "Anwendung.h"

#include "store/Werte.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace versionspruefung {

static_assert(kZeitlimit <= std::chrono::seconds(10));

QUrl standardServer() { return QUrl(QString::fromUtf16(anwendung::kVersionsserver)); }

QUrl standardWebseite() { return QUrl(QString::fromUtf16(anwendung::kWebseite)); }

bool eingestellt(const QUrl& adresse) {
  const QString host = adresse.host();  // always in lower case
  return !host.isEmpty() && host != u"example"_s && !host.endsWith(u".example"_s);
}

namespace {

// Characters von to bis, counted from 1; positions past the end give "".
QString stueck(const QString& text, int von, int bis) {
  return von > bis ? QString() : text.mid(von - 1, bis - von + 1);
}

bool punktBei(const QString& text, int position) {
  return position >= 1 && position <= text.size() && text.at(position - 1) == u'.';
}

// A piece that is no number leaves the number as it was.
void uebernimm(int& zahl, const QString& stueck) {
  if (const auto wert = werte::alsGanzzahl(stueck)) zahl = *wert;
}

}  // namespace

Versionsnummer lies(const QString& text) {
  Versionsnummer v{0, 0, 0};
  int i = 1;
  for (; i <= 5; ++i)
    if (punktBei(text, i)) {
      uebernimm(v.at(0), stueck(text, 1, i - 1));
      break;
    }
  // A failed search leaves its position one past its range: the next one
  // starts behind it.
  int j = i + 1;
  for (; j <= 10; ++j)
    if (punktBei(text, j)) {
      uebernimm(v.at(1), stueck(text, i + 1, j - 1));
      break;
    }
  // Every dot up to position 15 takes the revision again: the last one wins.
  for (int k = j + 1; k <= 15; ++k)
    if (punktBei(text, k)) uebernimm(v.at(2), stueck(text, j + 1, k - 1));
  return v;
}

Meldung keineVerbindung() {
  return {u"Konnte auf das Internet nicht zugreifen oder Versionsdatei wurde nicht gefunden."_s, u"Bewahrix"_s,
          Symbol::Kritisch};
}

Meldung nichtVerstanden() {
  return {u"Die Antwort des Versionsservers wurde nicht verstanden."_s, u"Bewahrix"_s, Symbol::Kritisch};
}

Meldung meldung(const QString& text, const Versionsnummer& programm, const QUrl& webseite) {
  const QString getrimmt = text.trimmed();
  // Digits, dots and blanks: anything else is an error page or worse.
  const bool version = getrimmt.contains(QRegularExpression(u"^[0-9. ]*[0-9][0-9. ]*$"_s));
  if (!version) return nichtVerstanden();
  // std::array compares major, then minor, then revision.
  if (lies(text) > programm)
    return information(u"Die Version "_s + getrimmt + u" wurde gefunden und liegt zum Download bereit.\n"_s +
                       u"Gehen Sie auf die Internetseite "_s + webseite.toString() +
                       u" und laden Sie sich die neue Version herunter."_s);
  return information(u"Keine neue Version verfügbar, Sie sind auf den neusten Stand."_s);
}

}  // namespace versionspruefung

Versionspruefung::Versionspruefung(Dialoge& dialoge, const Versionsnummer& programm, const QUrl& server,
                                   const QUrl& webseite, QObject* parent)
    : QObject(parent),
      dialoge_(dialoge),
      programm_(programm),
      server_(server),
      webseite_(webseite),
      oeffner_([](const QUrl& adresse) { return QDesktopServices::openUrl(adresse); }),
      netz_(new QNetworkAccessManager(this)),
      frist_(new QTimer(this)) {
  frist_->setSingleShot(true);
  // The whole answer has to arrive in time, not only each of its bytes.
  connect(frist_, &QTimer::timeout, this, [this] {
    if (antwort_) antwort_->abort();
  });
}

Versionspruefung::~Versionspruefung() {
  if (antwort_) {
    // No box for a check whose owner is gone.
    antwort_->disconnect(this);
    antwort_->abort();
    QGuiApplication::restoreOverrideCursor();
  }
}

void Versionspruefung::pruefen() {
  if (laeuft_) return;
  laeuft_ = true;
  // No address that cannot answer, and no blame on the user's network.
  if (!versionspruefung::eingestellt(server_))
    return melden(information(u"In dieser Ausgabe von Bewahrix ist kein Versionsserver eingestellt."_s));
  zuGross_ = false;
  QUrl adresse = server_;
  adresse.setPath(QString::fromUtf16(versionspruefung::kDateipfad));
  QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
  antwort_ = netz_->get(QNetworkRequest(adresse));
  connect(antwort_, &QNetworkReply::finished, this, &Versionspruefung::fertig);
  // More than a version file is not read into memory.
  connect(antwort_, &QNetworkReply::readyRead, this, [this] {
    if (antwort_ && antwort_->bytesAvailable() > versionspruefung::kHoechstensBytes) {
      zuGross_ = true;
      antwort_->abort();
    }
  });
  frist_->start(zeitlimit_);
}

void Versionspruefung::fertig() {
  frist_->stop();
  QNetworkReply* antwort = antwort_;
  antwort_ = nullptr;
  antwort->deleteLater();
  QGuiApplication::restoreOverrideCursor();
  if (zuGross_)
    melden(versionspruefung::nichtVerstanden());
  else if (antwort->error() != QNetworkReply::NoError)  // no connection, no answer in time, no such file
    melden(versionspruefung::keineVerbindung());
  else
    melden(versionspruefung::meldung(QString::fromUtf8(antwort->readAll()), programm_, webseite_));
}

void Versionspruefung::melden(const Meldung& meldung) {
  dialoge_.zeige(meldung);
  laeuft_ = false;
  emit beendet();
}

void Versionspruefung::webseiteOeffnen() {
  if (!versionspruefung::eingestellt(webseite_)) {
    dialoge_.zeige(information(u"In dieser Ausgabe von Bewahrix ist keine Webseite eingestellt."_s));
    return;
  }
  const Zeiger zeiger(Qt::WaitCursor);
  // Whether a browser came up is not checked: there is nothing to tell.
  oeffner_(webseite_);
}

}  // namespace bewahrix
