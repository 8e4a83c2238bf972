#include "backup/Sicherung.h"

#include "platform/Pfade.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

// A backup lands where the user thinks: never on the local disk under the
// empty folder of a drive that is not there.
namespace bewahrix {

namespace s = schluessel;

namespace {

// "<type> <mount point>", both percent-encoded so any name survives the store.
QString alsText(const Einhaengung& e) {
  return QString::fromLatin1(e.typ.toPercentEncoding() + ' ' + e.punkt.toPercentEncoding("/"));
}

std::optional<Einhaengung> ausText(const QString& text) {
  const QList<QByteArray> teile = text.toLatin1().split(' ');
  if (teile.size() != 2) return std::nullopt;
  return Einhaengung{QByteArray::fromPercentEncoding(teile.at(1)), QByteArray::fromPercentEncoding(teile.at(0))};
}

QString nichtAufDemErwarteten(const QString& ziel, const Einhaengung& erwartet) {
  return u"Zielverzeichnis "_s + ziel + u" liegt nicht auf dem erwarteten Datenträger ("_s +
         pfade::ausBytes(erwartet.punkt.constData()) + u"). Ist er angeschlossen?"_s;
}

}  // namespace

bool Sicherung::zielVerweigert(int index) {
  const QString ziel = zielverzeichnis(index);
  ziel_.einhaengung = einhaengungVon(ziel);
  const auto gemerkt = ausText(u_.store.read(s::abschnittDatentraeger(), s::zielDatentraeger(index), {}));
  if (gemerkt && ziel_.einhaengung && gemerkt != ziel_.einhaengung) {
    datentraegerFehlt(index, nichtAufDemErwarteten(ziel, *gemerkt));
    return true;
  }
  // Without a drive to compare with: a user who wants a folder there creates it once.
  const auto ort = gemerkt ? std::nullopt : ortEinesFehlendenDatentraegers(ziel);
  if (ort)
    datentraegerFehlt(index, u"Zielverzeichnis "_s + ziel + u" wird nicht angelegt, "_s + *ort +
                                 u" scheint ein nicht eingehängter Datenträger zu sein"_s);
  return ort.has_value();
}

bool Sicherung::zielNochDa(int index) {
  if (ziel_.verloren) return false;
  if (!ziel_.kennung) return true;
  const auto jetzt = u_.dateisystem.status(zielverzeichnis(index));
  if (jetzt && jetzt.wert().kennung.geraet == ziel_.kennung->geraet) return true;
  ziel_.verloren = true;
  datentraegerFehlt(index, nichtAufDemErwarteten(zielverzeichnis(index),
                                                  ziel_.einhaengung.value_or(Einhaengung{})));
  return false;
}

bool Sicherung::imZielAnlegen(int index, const QString& verzeichnis) {
  return zielNochDa(index) && u_.dateisystem.verzeichnisseAnlegen(verzeichnis).ok();
}

void Sicherung::datentraegerFehlt(int index, const QString& grund) {
  fehlschlag_.datentraegerFehlt = true;
  ++zaehler_.sonstigeFehler;
  fehlerAlsStatus(index, grund);
}

void Sicherung::nichtGesichert() {
  ++zaehler_.dateienGesamt;
  ++zaehler_.dateienFehlerhaft;
  zustand_.fehlerZaehlen();
}

void Sicherung::datentraegerMerken(int index) {
  if (!geschrieben_ || ziel_.verloren) return;
  const auto einhaengung = einhaengungVon(zielverzeichnis(index));
  if (!einhaengung) return;
  const QString text = alsText(*einhaengung);
  if (u_.store.read(s::abschnittDatentraeger(), s::zielDatentraeger(index), {}) != text)
    u_.store.write(s::abschnittDatentraeger(), s::zielDatentraeger(index), text);
}

}  // namespace bewahrix
