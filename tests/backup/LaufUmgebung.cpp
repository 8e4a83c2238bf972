#include "LaufUmgebung.h"

#include "logbook/LogSatz.h"

#include <QFile>


using namespace Qt::Literals::StringLiterals;

namespace bewahrix::test {

void LaufUmgebung::SetUp() {
  FrischeUmgebung::SetUp();
  store = std::make_unique<SettingsStore>(schluessel::anwendung());
  logbuch = std::make_unique<MitschreibendesLogbuch>(*store, uhr, schalter);
  logbuch->beachte(schalter);
  sicherungAnlegen();
}

void LaufUmgebung::TearDown() {
  const QByteArray datei = leseDatei(logbuch->dateipfad());
  QStringList imFile;
  for (qsizetype o = 0; o < datei.size(); o += logsatz::kSlotGroesse)
    imFile.append(logsatz::lesen(datei.mid(o, logsatz::kDatenGroesse)).text);
  QStringList erwartet;
  for (const auto& [kategorie, text] : logbuch->zeilen)
    erwartet.append(logsatz::lesen(logsatz::slot(uhr.jetzt(), text)).text);
  ASSERT_GE(imFile.size(), erwartet.size());
  EXPECT_EQ(imFile.mid(imFile.size() - erwartet.size()), erwartet);
}

void LaufUmgebung::sicherungAnlegen() {
  sicherung = std::make_unique<Sicherung>(Sicherung::Umgebung{
      *store, *logbuch, schalter, host, dialoge, *dateisystem, *entferner, uhr});
}

QString LaufUmgebung::datei(const QString& relativ, const QByteArray& inhalt,
                            const QDateTime& geaendert) {
  const QString ganz = pfad(relativ);
  schreibeDatei(ganz, inhalt);
  setzeZeit(ganz, geaendert);
  return ganz;
}

void LaufUmgebung::setzeZeit(const QString& pfad, const QDateTime& geaendert) {
  const timespec zeit{geaendert.toSecsSinceEpoch(), 0};
  setzeZeiten(pfad, zeit, zeit);
}

void LaufUmgebung::aufgabe(int index, const QStringList& quellen, int modus) {
  host.aufgaben.at(index).quellen = quellen;
  host.aufgaben.at(index).modus = modus;
  store->write(u"SaveZiel"_s, u"Ziel "_s + QString::number(index), ziel());
  QDir().mkpath(ziel());
}

Zeilen LaufUmgebung::dateiZeilen() const {
  Zeilen zeilen;
  for (const auto& zeile : logbuch->zeilen) {
    const QString& t = zeile.second;
    const bool rahmen = t.startsWith(u"<Anfang"_s) || t.startsWith(u"<Ende"_s) ||
                        t.startsWith(u">>> "_s) || t.startsWith(u"<<< "_s) ||
                        t.startsWith(u"===> "_s) || t.startsWith(u"    Gesamtdatenvolumen"_s) ||
                        t.startsWith(u"... von "_s);
    if (!rahmen) zeilen.append(zeile);
  }
  return zeilen;
}

}  // namespace bewahrix::test
