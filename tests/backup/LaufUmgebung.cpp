#include "LaufUmgebung.h"

#include "logbook/LogSatz.h"

#include <QDir>
#include <QProcess>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::test {

void LaufUmgebung::SetUp() {
  FrischeUmgebung::SetUp();
  store = std::make_unique<SettingsStore>(schluessel::anwendung());
  logbuch = std::make_unique<MitschreibendesLogbuch>(*store, uhr, schalter);
  nimm(std::move(dateisystem));
}

void LaufUmgebung::TearDown() {
  const QByteArray datei = leseDatei(logbuch->dateipfad());
  QStringList imFile, erwartet;
  for (qsizetype o = 0; o < datei.size(); o += logsatz::kSlotGroesse)
    imFile.append(logsatz::lesen(datei.mid(o, logsatz::kDatenGroesse)).text);
  for (const auto& zeile : logbuch->zeilen)
    erwartet.append(logsatz::lesen(logsatz::slot(uhr.jetzt(), zeile.second)).text);
  EXPECT_EQ(imFile.mid(imFile.size() - erwartet.size()), erwartet);
}

void LaufUmgebung::nimm(std::unique_ptr<Dateisystem> neu) {
  dateisystem = std::move(neu);
  sicherung = std::make_unique<Sicherung>(Sicherung::Umgebung{
      *store, *logbuch, schalter, host, dialoge, *dateisystem, *entferner, uhr});
}

QString LaufUmgebung::datei(const QString& relativ, const QByteArray& inhalt, const QDateTime& geaendert) {
  const QString ganz = pfad(relativ);
  schreibeDatei(ganz, inhalt);
  const timespec zeit{geaendert.toSecsSinceEpoch(), 0};
  setzeZeiten(ganz, zeit, zeit);
  return ganz;
}

void LaufUmgebung::aufgabe(int index, const QStringList& quellen, int modus, const QString& zielOrdner) {
  host.aufgaben.at(index).quellen = quellen;
  host.aufgaben.at(index).modus = modus;
  store->write(u"SaveZiel"_s, u"Ziel "_s + QString::number(index), zielOrdner.isEmpty() ? ziel() : zielOrdner);
  QDir().mkpath(ziel());
}

void LaufUmgebung::lauf() {
  logbuch->zeilen.clear();
  sicherung->zustand().automatikLauf = true;
  sicherung->aufgabeKopieren(0);
}

Zeilen LaufUmgebung::dateiZeilen() const {
  static const QStringList rahmen = {u"<Anfang"_s, u"<Ende"_s, u">>> "_s, u"<<< "_s, u"===> "_s,
                                     u"    Gesamtdatenvolumen"_s, u"... von "_s};
  Zeilen zeilen;
  for (const auto& zeile : logbuch->zeilen)
    if (std::none_of(rahmen.begin(), rahmen.end(), [&](const QString& r) { return zeile.second.startsWith(r); }))
      zeilen.append(zeile);
  return zeilen;
}

QStringList LaufUmgebung::finde(const QString& verzeichnis, const QStringList& ausdruck) {
  QProcess find;
  find.start(u"find"_s, QStringList{verzeichnis, u"-mindepth"_s, u"1"_s} + ausdruck);
  find.waitForFinished();
  QStringList zeilen = QString::fromUtf8(find.readAllStandardOutput()).split(QChar(0), Qt::SkipEmptyParts);
  zeilen.sort();
  return zeilen;
}

QStringList LaufUmgebung::zeilenDer(int kategorie) const {
  QStringList texte;
  for (const auto& [k, text] : logbuch->zeilen)
    if (k == kategorie) texte.append(text);
  return texte;
}

}  // namespace bewahrix::test
