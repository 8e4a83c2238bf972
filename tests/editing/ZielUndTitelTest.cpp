#include "EditUmgebung.h"

#include "editing/ZielUndTitel.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

class ZielTest : public test::EditUmgebung {
 protected:
  ZielUndTitel ziel() { return ZielUndTitel(b()); }
};

TEST_F(ZielTest, UngueltigeZieleWerdenAbgewiesen) {
  dialoge.erwarte(information(u"Geben Sie ein Zielort an."_s));
  EXPECT_EQ(ziel().zielSpeichern(0, QString()), std::nullopt);
  const Meldung absolut = information(u"Geben Sie den vollständigen Pfad beginnend mit / an."_s);
  for (const QString& falsch : {u"Backup/"_s, u" /media/usb"_s, u"~/Backup"_s, u"D:\\Backup"_s}) {
    dialoge.erwarte(absolut);
    EXPECT_EQ(ziel().zielSpeichern(0, falsch), std::nullopt) << falsch.toStdString();
  }
  EXPECT_FALSE(store->enthaelt(u"SaveZiel"_s, u"Ziel 0"_s));
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color0"_s));
  EXPECT_EQ(ziel().gespeichertesZiel(0), home());
}

TEST_F(ZielTest, SpeichernHaengtDenTrennerAnUndSetztStatus) {
  EXPECT_EQ(ziel().zielSpeichern(3, u"/media/usb/Backup"_s), u"/media/usb/Backup/"_s);
  EXPECT_EQ(store->read(u"SaveZiel"_s, u"Ziel 3"_s, {}), u"/media/usb/Backup/"_s);
  EXPECT_EQ(logbuch->saetze, (QList<QPair<QString, int>>{
                                 {u"Zielpfad für Aufgabe 4 gespeichern => /media/usb/Backup/"_s, 7}}));
  EXPECT_EQ(status(u"Color3"_s), u"3"_s);
  EXPECT_EQ(status(u"Msgbox3"_s),
            u"am 05. Dez. 2026 um 14:03:27 wurde das Zielverzeichnis geändert und der Kopiervorgang "
            u"noch nicht wieder gestartet."_s);

  // No second separator; an unchanged save still sets the status.
  store->removeSection(u"StatusIn"_s);
  EXPECT_EQ(ziel().zielSpeichern(3, u"/media/usb/Backup/"_s), u"/media/usb/Backup/"_s);
  EXPECT_EQ(status(u"Color3"_s), u"3"_s);
  EXPECT_EQ(ziel().zielSpeichern(1, u"/"_s), u"/"_s);
  EXPECT_EQ(ziel().zielSpeichern(2, u"/Mein Ziel mit Ä "_s), u"/Mein Ziel mit Ä /"_s);
  EXPECT_EQ(ziel().gespeichertesZiel(2), u"/Mein Ziel mit Ä /"_s);
}

TEST_F(ZielTest, AnzeigeVergleichtGenau) {
  EXPECT_TRUE(bearbeiten::zielGesichert(u"/media/Ä/"_s, u"/media/Ä/"_s));
  EXPECT_FALSE(bearbeiten::zielGesichert(u"/media/ä/"_s, u"/media/Ä/"_s));
  EXPECT_FALSE(bearbeiten::zielGesichert(u"/media/Ä"_s, u"/media/Ä/"_s));
  EXPECT_FALSE(bearbeiten::zielGesichert(u"/media/Ä/ "_s, u"/media/Ä/"_s));
  // After saving, the returned field text is green against the store.
  const auto gespeichert = ziel().zielSpeichern(0, u"/x"_s);
  ASSERT_TRUE(gespeichert);
  EXPECT_TRUE(bearbeiten::zielGesichert(*gespeichert, ziel().gespeichertesZiel(0)));
}

TEST_F(ZielTest, TitelAendern) {
  EXPECT_EQ(ziel().titel(3), u"Sicherungsaufgabe 4"_s);
  EXPECT_EQ(ziel().titelAendern(3, QString()), std::nullopt);
  EXPECT_FALSE(store->enthaelt(u"Titel"_s, u"Titel3"_s));

  const QString fuenfundzwanzig = u"Fotos der Familie Müller"_s + u'!';
  ASSERT_EQ(fuenfundzwanzig.size(), 25);
  auto neu = ziel().titelAendern(3, fuenfundzwanzig);
  ASSERT_TRUE(neu);
  EXPECT_EQ(neu->titel, fuenfundzwanzig);
  EXPECT_EQ(neu->ortLabel, u"(4) "_s + fuenfundzwanzig);
  EXPECT_EQ(ziel().titel(3), fuenfundzwanzig);

  neu = ziel().titelAendern(3, fuenfundzwanzig + u'?');
  ASSERT_TRUE(neu);
  EXPECT_EQ(neu->ortLabel, u"(4) Fotos der Familie Müll ..."_s);
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color3"_s));
}

}  // namespace
}  // namespace bewahrix
