#pragma once

#include "backup/FesterLaufHost.h"
#include "backup/Sicherung.h"
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

// The real logbook, which also remembers every line the run gave it.
struct MitschreibendesLogbuch final : Logbuch {
  using Logbuch::Logbuch;
  void eintrag(const QString& text, int kategorie) override { zeilen.append({kategorie, text}); Logbuch::eintrag(text, kategorie); }
  Zeilen zeilen;
};

// A host that remembers what the run showed; beimNachgeben is the "user" while the run yields.
struct BeobachtenderHost final : FesterLaufHost {
  void laufBeginnt(int index) override { begonnen.append(index); }
  void laufEndet() override { ++beendet; }
  void setzeLampe(int index, bool fehlerfrei) override { lampen.append({index, fehlerfrei}); }
  void aufgabeFehlgeschlagen(const Fehlschlag& f) override { fehlschlaege.append(std::tuple(f.index, f.grund, f.datentraegerFehlt)); }
  void ereignisseVerarbeiten() override { if (++nachgegeben; beimNachgeben) beimNachgeben(); }
  QList<int> begonnen;
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
    nimm<PosixDateisystem>();
  }
  template <class D> D& nimm() {  // the run's file system from now on
    dateisystem = std::make_unique<D>();
    sicherung = std::make_unique<Sicherung>(Sicherung::Umgebung{*store, *logbuch, schalter, host, dialoge, *dateisystem, *entferner, uhr});
    return static_cast<D&>(*dateisystem);
  }
  QString datei(const QString& relativ, const QByteArray& inhalt = "inhalt", const QDateTime& geaendert = QDate(2026, 1, 2).startOfDay()) {
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
  void lauf(const QStringList& quellen, int modus = ImmerUeberschreiben, const QString& nach = {}) { aufgabe(0, quellen, modus, nach); lauf(); }
  // Without the first two lines of a run and its last three.
  Zeilen dateiZeilen() const { return logbuch->zeilen.mid(2, logbuch->zeilen.size() - 5); }
  QStringList fehlerZeilen() const {
    QStringList texte;
    for (const auto& [k, text] : logbuch->zeilen) if (k == 0) texte.append(text);
    return texte;
  }
  bool hat(int kategorie, const QString& text) const { return logbuch->zeilen.contains(Zeile{kategorie, text}); }
  // What find prints below verzeichnis, sorted, as bytes: a name that lost a byte must not read right.
  static QByteArrayList finde(const QString& verzeichnis, const QStringList& ausdruck = {u"-printf"_s, u"%y %P\\0"_s}) {
    QProcess find;
    find.start(u"find"_s, QStringList{verzeichnis, u"-mindepth"_s, u"1"_s} + ausdruck);
    find.waitForFinished();
    QByteArrayList zeilen = find.readAllStandardOutput().split('\0');
    zeilen.removeAll(QByteArray());
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
  }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MitschreibendesLogbuch> logbuch;
  BeobachtenderHost host;
  SkriptDialoge dialoge;
  std::unique_ptr<Dateisystem> dateisystem;
  std::unique_ptr<Entferner> entferner = std::make_unique<SystemEntferner>();
  std::unique_ptr<Sicherung> sicherung;
};

}  // namespace bewahrix::test
