#include "scheduler/Zeitplanfeld.h"

#include "store/Datensaetze.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "ZeitplanUmgebung.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

class ZeitplanfeldTest : public test::ZeitplanUmgebung {
 protected:
  ZeitplanfeldTest() : ZeitplanUmgebung(QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))) {}

  QString timer(const QString& key) { return store->read(s::abschnittTimer(), key, u"(fehlt)"_s); }
  QStringList texte(const QList<zeitplan::LogZeile>& zeilen) {
    QStringList t;
    for (const auto& z : zeilen) {
      EXPECT_EQ(z.kategorie, SonstigeMeldung);
      t.append(z.text);
    }
    return t;
  }
};

TEST_F(ZeitplanfeldTest, EinmaligesDatumMitHoechstensEinemPunktNachDemMonat) {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  const auto einmalig = zeitplan::datumsForm(Einmalig);
  EXPECT_EQ(deutsch.toString(QDate(2026, 12, 5), einmalig.format), u"05.Dez. 2026"_s);
  EXPECT_EQ(deutsch.toString(QDate(2026, 5, 5), einmalig.format), u"05.Mai 2026"_s);
  for (int monat = 1; monat <= 12; ++monat)
    EXPECT_FALSE(deutsch.toString(QDate(2026, monat, 5), einmalig.format).contains(u".."_s)) << monat;
}

TEST_F(ZeitplanfeldTest, OhneGewaehlteArtBleibtDieGespeicherte) {
  zeitplan::speichere(*store, 2, {QDate(2026, 3, 1), QTime(8, 30), true, KeinZeitplan});
  zeitplan::speichere(*store, 2, {QDate(2026, 12, 5), QTime(7, 0), false, std::nullopt});
  EXPECT_EQ(timer(u"DayArt2"_s), u"4"_s);
  EXPECT_EQ(timer(u"SollDay2"_s), u"05.12.2026"_s);
  EXPECT_EQ(timer(u"SollTime2"_s), u"07:00:00"_s);
  EXPECT_EQ(timer(u"Zusatz2"_s), u"0"_s);
  // Not switched off, so the line on the name prefix follows.
  EXPECT_EQ(texte(zeitplan::speicherZeilen(2, {{}, {}, false, std::nullopt}, u" Timer deaktiv"_s)),
            (QStringList{u"neuer Zeitplan für Aufgabe 3, Timer: Timer deaktiv"_s,
                         u"neuer Zeitplan für Aufgabe 3 => ohne Erweiterung Sicherheitskopie von..."_s}));
}
