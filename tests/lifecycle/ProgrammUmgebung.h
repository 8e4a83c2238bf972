#pragma once

#include "lifecycle/Programm.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"
#include "ui/HilfeZeile.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

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

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

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
  QString wert(const QString& abschnitt, const QString& key) { return store->read(abschnitt, key, u"(fehlt)"_s); }
  QStringList werte(const QString& abschnitt, const QStringList& keys) {
    QStringList w;
    for (const QString& key : keys) w << wert(abschnitt, key);
    return w;
  }
  // Every row of the settings file as "section/key=value", read past the program's own connection.
  QStringList gespeichert() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(store->dateipfad().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList zeilen;
    const auto zeile = [](void* z, int, char** w, char**) {
      return static_cast<QStringList*>(z)->append(QString::fromUtf8(w[0])), 0;
    };
    sqlite3_exec(db, "SELECT section || '/' || key || '=' || value FROM settings ORDER BY seq", zeile, &zeilen, nullptr);
    sqlite3_close(db);
    return zeilen;
  }
  void setze(const QString& abschnitt, std::initializer_list<std::pair<QString, QString>> paare) {
    for (const auto& [key, w] : paare) store->write(abschnitt, key, w);
  }
  void option(const QString& key, const QString& wert) { store->write(u"Optionen"_s, key, wert); }
  void plane(int i, const QString& art, const QString& tag, const QString& zeit) {
    const QString n = QString::number(i);
    setze(u"Timer"_s, {{u"DayArt"_s + n, art}, {u"SollDay"_s + n, tag}, {u"SollTime"_s + n, zeit}});
  }
  // Task i copies quelle (under HOME), overwriting, into the existing directory ziel/.
  void aufgabe(int i, const QString& quelle) {
    const QString n = QString::number(i);
    store->write(u"Aufgabe"_s + n, pfad(quelle), u"05. Dez. 2026"_s);
    option(u"Vorgang"_s + n, u"0"_s);
    store->write(u"SaveZiel"_s, u"Ziel "_s + n, pfad(u"ziel/"_s));
    QDir().mkpath(pfad(u"ziel"_s));
  }
  static Meldung stopFrage() {
    return frage(u"Ein oder mehrere Timer sind noch aktiv! Sind Sie sich sicher, dass Sie das Programm beenden wollen?"_s,
                 u"Programm beenden"_s);
  }
  static Meldung versaeumtBox(const QString& zeilen) {
    return {u"Folgende Aufgaben wurden versäumt (Bewahrix war nicht aktiv)\n\n"_s + zeilen + u"; "_s,
            u"Versäumte Aufgaben"_s, Symbol::Kritisch};
  }
  static Meldung resetFrage() {
    return frage(u"Sollen wirklich alle Aufgaben und Einstellungen von Bewahrix gelöscht werden? Das Programm wird "
                 u"danach beendet."_s, u"Löschen"_s);
  }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  test::SkriptDialoge dialoge;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Programm> programm;
  int beendet = 0;
};

}  // namespace bewahrix
