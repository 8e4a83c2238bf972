#pragma once

#include "lifecycle/Programm.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"
#include "ui/HilfeZeile.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

// The window's control types, for the tests that work them.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <sqlite3.h>

#include <memory>

namespace bewahrix {

// The whole program on a fresh HOME, with scripted boxes and a set clock.
class ProgrammUmgebung : public test::FrischeUmgebung {
 protected:
  using Z = Lampe::Zustand;
  void SetUp() override {
    FrischeUmgebung::SetUp();
    store = std::make_unique<SettingsStore>(schluessel::anwendung());
  }
  Programm& starten() {
    programm = std::make_unique<Programm>(*store, uhr, dialoge);
    programm->sofortBeenden = [this] { ++beendet; };
    programm->startSequence();
    return *programm;
  }
  Saver& f() { return programm->fenster(); }
  QStringList logTexte() {
    QStringList texte;
    const QByteArray datei = test::leseDatei(programm->logbuch().dateipfad());
    for (qsizetype o = 0; o + 116 <= datei.size(); o += 216)
      texte.append(QString::fromLatin1(datei.mid(o + 16, 100)).trimmed());
    return texte;
  }
  QString wert(const QString& abschnitt, const QString& key) {
    return store->read(abschnitt, key, QStringLiteral("(fehlt)"));
  }
  QStringList werte(const QString& abschnitt, const QStringList& keys) {
    QStringList w;
    for (const QString& key : keys) w << wert(abschnitt, key);
    return w;
  }
  // Every row of the settings file as "section/key=value", read past the program's own connection.
  QStringList gespeichert() {
    sqlite3* db = nullptr;
    sqlite3_stmt* abfrage = nullptr;
    sqlite3_open_v2(store->dateipfad().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_prepare_v2(db, "SELECT section || '/' || key || '=' || value FROM settings ORDER BY seq", -1, &abfrage,
                       nullptr);
    QStringList zeilen;
    while (sqlite3_step(abfrage) == SQLITE_ROW)
      zeilen << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(abfrage, 0)));
    sqlite3_finalize(abfrage);
    sqlite3_close(db);
    return zeilen;
  }
  void setze(const QString& abschnitt, std::initializer_list<std::pair<QString, QString>> paare) {
    for (const auto& [key, w] : paare) store->write(abschnitt, key, w);
  }
  void option(const QString& key, const QString& wert) { store->write(QStringLiteral("Optionen"), key, wert); }
  void plane(int i, const QString& art, const QString& tag, const QString& zeit) {
    const QString n = QString::number(i);
    const auto key = [&n](const char* name) { return QLatin1String(name) + n; };
    setze(QStringLiteral("Timer"), {{key("DayArt"), art}, {key("SollDay"), tag}, {key("SollTime"), zeit}});
  }
  // Task i copies quelle (under HOME), overwriting, into the existing directory ziel/.
  void aufgabe(int i, const QString& quelle) {
    const QString n = QString::number(i);
    store->write(QLatin1String("Aufgabe") + n, pfad(quelle), QStringLiteral("05. Dez. 2026"));
    option(QLatin1String("Vorgang") + n, QStringLiteral("0"));
    store->write(QStringLiteral("SaveZiel"), QLatin1String("Ziel ") + n, pfad(QStringLiteral("ziel/")));
    QDir().mkpath(pfad(QStringLiteral("ziel")));
  }
  static Meldung stopFrage() {
    return frage(QStringLiteral("Ein oder mehrere Timer sind noch aktiv! Sind Sie sich sicher, dass Sie das Programm "
                                "beenden wollen?"),
                 QStringLiteral("Programm beenden"));
  }
  static Meldung versaeumtBox(const QString& zeilen) {
    const QString kopf = QStringLiteral("Folgende Aufgaben wurden versäumt (Bewahrix war nicht aktiv)\n\n");
    return {kopf + zeilen + QStringLiteral("; "), QStringLiteral("Versäumte Aufgaben"), Symbol::Kritisch};
  }
  static Meldung resetFrage() {
    return frage(QStringLiteral("Sollen wirklich alle Aufgaben und Einstellungen von Bewahrix gelöscht werden? "
                                "Das Programm wird danach beendet."),
                 QStringLiteral("Löschen"));
  }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  test::SkriptDialoge dialoge;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Programm> programm;
  int beendet = 0;
};

}  // namespace bewahrix
