#include "platform/Einhaengung.h"

#include "platform/Dateisystem.h"
#include "platform/Pfade.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

// Both tables write a blank, tab, newline or backslash in a path as \ooo.
QByteArray entschluesselt(const QByteArray& feld) {
  const auto oktal = [&](qsizetype i) { return i < feld.size() && feld.at(i) >= '0' && feld.at(i) <= '7'; };
  QByteArray text;
  for (qsizetype i = 0; i < feld.size(); ++i) {
    if (feld.at(i) == '\\' && oktal(i + 1) && oktal(i + 2) && oktal(i + 3)) {
      text.append(static_cast<char>((feld.at(i + 1) - '0') * 64 + (feld.at(i + 2) - '0') * 8 + (feld.at(i + 3) - '0')));
      i += 3;
    } else {
      text.append(feld.at(i));
    }
  }
  return text;
}

QList<QList<QByteArray>> zeilenfelder(const QString& datei) {
  QFile tabelle(datei);
  QList<QList<QByteArray>> zeilen;
  if (!tabelle.open(QIODevice::ReadOnly)) return zeilen;
  for (const QByteArray& zeile : tabelle.readAll().split('\n'))
    if (!zeile.trimmed().isEmpty() && !zeile.trimmed().startsWith('#')) zeilen.append(zeile.simplified().split(' '));
  return zeilen;
}

// Every mount in the order they were made.
QList<Einhaengung> einhaengungen() {
  QList<Einhaengung> alle;
  for (const auto& felder : zeilenfelder(u"/proc/self/mountinfo"_s)) {
    // Optional fields end with "-"; the type follows it.
    const qsizetype ende = felder.indexOf("-", 6);
    if (ende > 0 && ende + 1 < felder.size())
      alle.append({entschluesselt(felder.at(4)), entschluesselt(felder.at(ende + 1))});
  }
  return alle;
}

// The innermost mount that holds echt; of two at the same place the later,
// which covers the other.
std::optional<Einhaengung> halterVon(const QList<Einhaengung>& alle, const QByteArray& echt) {
  std::optional<Einhaengung> halter;
  for (const Einhaengung& e : alle) {
    const bool darin = e.punkt == "/" || echt == e.punkt || echt.startsWith(e.punkt + '/');
    if (darin && (!halter || e.punkt.size() >= halter->punkt.size())) halter = e;
  }
  return halter;
}

struct Vorhanden {
  QByteArray echt;  // with every link resolved; empty when nothing could be
  bool selbst;      // the path itself exists
};

Vorhanden naechstesVorhandenes(QByteArray pfad) {
  for (bool selbst = true;; selbst = false) {
    while (pfad.size() > 1 && pfad.endsWith('/')) pfad.chop(1);
    const std::unique_ptr<char, decltype(&std::free)> echt(::realpath(pfad.constData(), nullptr), &std::free);
    if (echt) return {echt.get(), selbst};
    if (pfad == "/" || pfad == ".") return {{}, false};
    const qsizetype trenner = pfad.lastIndexOf('/');
    pfad = trenner < 0 ? QByteArray(".") : pfad.left(std::max<qsizetype>(trenner, 1));
  }
}

QByteArray benutzer() {
  const passwd* eintrag = ::getpwuid(::getuid());
  return eintrag ? QByteArray(eintrag->pw_name) : qgetenv("USER");
}

bool istLeer(const QByteArray& verzeichnis) {
  const auto eintraege = alleEintraege(pfade::ausBytes(verzeichnis.constData()));
  return eintraege && eintraege.wert().isEmpty();
}

bool fstabPunkt(const QByteArray& verzeichnis) {
  for (const auto& felder : zeilenfelder(u"/etc/fstab"_s))
    if (felder.size() > 1 && entschluesselt(felder.at(1)) == verzeichnis) return true;
  return false;
}

}  // namespace

std::optional<Einhaengung> einhaengungVon(const QString& pfad) {
  const QByteArray echt = naechstesVorhandenes(pfade::bytes(pfad)).echt;
  if (echt.isEmpty()) return std::nullopt;
  return halterVon(einhaengungen(), echt);
}

std::optional<QString> ortEinesFehlendenDatentraegers(const QString& pfad) {
  const auto [ordner, selbst] = naechstesVorhandenes(pfade::bytes(pfad));
  if (selbst || ordner.isEmpty()) return std::nullopt;
  const auto halter = halterVon(einhaengungen(), ordner);
  const bool eingehaengt = halter && halter->punkt == ordner;
  const QByteArray oben = ordner.left(std::max<qsizetype>(ordner.lastIndexOf('/'), 1));
  const QByteArray wer = benutzer();
  const bool laufwerksOrt = oben == "/media" || oben == "/media/" + wer || oben == "/run/media/" + wer || oben == "/mnt";
  if ((eingehaengt && halter->typ == "autofs") ||
      (!eingehaengt && istLeer(ordner) && (laufwerksOrt || fstabPunkt(ordner))))
    return pfade::ausBytes(ordner.constData());
  return std::nullopt;
}

}  // namespace bewahrix
