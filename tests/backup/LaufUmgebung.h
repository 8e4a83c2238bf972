#pragma once

#include "backup/FesterLaufHost.h"
#include "backup/Sicherung.h"
#include "logbook/LogSatz.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QProcess>

#include <algorithm>
#include <functional>

namespace bewahrix::test {

using namespace Qt::Literals::StringLiterals;

using Zeile = QPair<int, QString>;  // (category, text)
using Zeilen = QList<Zeile>;
using Lampe = QPair<int, bool>;

// The real logbook, which also remembers every line it recorded.
struct MitschreibendesLogbuch final : Logbuch {
  MitschreibendesLogbuch(SettingsStore& s, const Uhr& u, const LogSchalter& l) : Logbuch(s, u, l), schalter(l) {}
  void eintrag(const QString& text, int kategorie) override {
    if (!schalter.aufzeichnungAus() && schalter.kategorieAn(kategorie)) zeilen.append({kategorie, text});
    Logbuch::eintrag(text, kategorie);
  }
  const LogSchalter& schalter;
  Zeilen zeilen;
};

// A host that remembers what the run showed; beimNachgeben is the "user" while the run yields.
struct BeobachtenderHost final : FesterLaufHost {
  void laufBeginnt(int index) override { begonnen.append(index); }
  void laufEndet() override { ++beendet; }
  void setzeLampe(int index, bool fehlerfrei) override { lampen.append({index, fehlerfrei}); }
  void aufgabeFehlgeschlagen(const Fehlschlag& f) override {
    fehlschlaege.append(std::tuple(f.index, f.grund, f.datentraegerFehlt));
  }
  void fortschritt(qint64, const QString&, int prozent) override { if (prozent >= 0) prozente.append(prozent); }
  void ereignisseVerarbeiten() override { if (++nachgegeben; beimNachgeben) beimNachgeben(); }
  QList<int> begonnen, prozente;
  int beendet = 0, nachgegeben = 0;
  QList<Lampe> lampen;
  QList<std::tuple<int, QString, bool>> fehlschlaege;  // index, first reason, drive missing
  std::function<void()> beimNachgeben;
};

// Everything a run needs, real where it can be, in a fresh temporary HOME.
class LaufUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override {
    FrischeUmgebung::SetUp();
    store = std::make_unique<SettingsStore>(schluessel::anwendung());
    logbuch = std::make_unique<MitschreibendesLogbuch>(*store, uhr, schalter);
    nimm(std::move(dateisystem));
  }
  void TearDown() override {  // every recorded line is in the file too, in order
    const QByteArray datei = leseDatei(logbuch->dateipfad());
    QStringList imFile, erwartet;
    for (qsizetype o = 0; o < datei.size(); o += logsatz::kSlotGroesse)
      imFile.append(logsatz::lesen(datei.mid(o, logsatz::kDatenGroesse)).text);
    for (const auto& [k, text] : logbuch->zeilen) erwartet.append(logsatz::lesen(logsatz::slot(uhr.jetzt(), text)).text);
    EXPECT_EQ(imFile.mid(imFile.size() - erwartet.size()), erwartet);
  }
  void nimm(std::unique_ptr<Dateisystem> neu) {  // runs on another file system from now on
    dateisystem = std::move(neu);
    sicherung = std::make_unique<Sicherung>(
        Sicherung::Umgebung{*store, *logbuch, schalter, host, dialoge, *dateisystem, *entferner, uhr});
  }
  QString datei(const QString& relativ, const QByteArray& inhalt = "inhalt",
                const QDateTime& geaendert = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))) {
    schreibeDatei(pfad(relativ), inhalt);
    setzeZeiten(pfad(relativ), {geaendert.toSecsSinceEpoch(), 0}, {geaendert.toSecsSinceEpoch(), 0});
    return pfad(relativ);
  }
  QString ziel() const { return pfad(u"ziel/"_s); }
  void aufgabe(int index, const QStringList& quellen, int modus = ImmerUeberschreiben, const QString& zielOrdner = {}) {
    host.aufgaben.at(index).quellen = quellen;
    host.aufgaben.at(index).modus = modus;
    store->write(u"SaveZiel"_s, u"Ziel "_s + QString::number(index), zielOrdner.isEmpty() ? ziel() : zielOrdner);
    QDir().mkpath(ziel());
  }
  void lauf() {  // automatic run of task 0 (no summary box), with fresh lines
    logbuch->zeilen.clear();
    sicherung->zustand().automatikLauf = true;
    sicherung->aufgabeKopieren(0);
  }
  Zeilen dateiZeilen() const {  // without the frame lines of every run
    static const QStringList rahmen = {u"<Anfang"_s, u"<Ende"_s, u">>> "_s, u"<<< "_s, u"===> "_s,
                                       u"    Gesamtdatenvolumen"_s, u"... von "_s};
    Zeilen zeilen = logbuch->zeilen;
    zeilen.removeIf([](const Zeile& z) {
      return std::any_of(rahmen.begin(), rahmen.end(), [&](const QString& r) { return z.second.startsWith(r); });
    });
    return zeilen;
  }
  QStringList fehlerZeilen() const {
    QStringList texte;
    for (const auto& [k, text] : logbuch->zeilen) if (k == 0) texte.append(text);
    return texte;
  }
  bool hat(int kategorie, const QString& text) const { return logbuch->zeilen.contains(Zeile{kategorie, text}); }
  // What find prints below verzeichnis, sorted, as bytes: a name that lost a byte must not read right.
  static QByteArrayList findeRoh(const QString& verzeichnis, const QStringList& ausdruck = {u"-printf"_s, u"%y %P\\0"_s}) {
    QProcess find;
    find.start(u"find"_s, QStringList{verzeichnis, u"-mindepth"_s, u"1"_s} + ausdruck);
    find.waitForFinished();
    QByteArrayList zeilen = find.readAllStandardOutput().split('\0');
    zeilen.removeAll(QByteArray());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
  }
  static QStringList finde(const QString& verzeichnis) {
    QStringList zeilen;
    for (const QByteArray& zeile : findeRoh(verzeichnis)) zeilen.append(QString::fromUtf8(zeile));
    return zeilen;
  }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MitschreibendesLogbuch> logbuch;
  BeobachtenderHost host;
  SkriptDialoge dialoge;
  std::unique_ptr<Dateisystem> dateisystem = std::make_unique<PosixDateisystem>();
  std::unique_ptr<Entferner> entferner = std::make_unique<SystemEntferner>();
  std::unique_ptr<Sicherung> sicherung;
};

}  // namespace bewahrix::test
