#include "EditUmgebung.h"

#include "editing/ZielUndTitel.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {
namespace {

// A saved target and its lamp, a new title and its label through the
// whole program: tests/lifecycle.
class ZielTest : public test::EditUmgebung {
 protected:
  ZielUndTitel ziel() { return ZielUndTitel(b()); }
};

TEST_F(ZielTest, UngueltigeZieleWerdenAbgewiesen) {
  dialoge.erwarte(information(u"Geben Sie ein Zielort an."_s));
  EXPECT_EQ(ziel().zielSpeichern(0, QString()), std::nullopt);
  for (const QString& falsch : {u"Backup/"_s, u" /media/usb"_s, u"~/Backup"_s}) {
    dialoge.erwarte(information(u"Geben Sie den vollständigen Pfad beginnend mit / an."_s));
    EXPECT_EQ(ziel().zielSpeichern(0, falsch), std::nullopt) << falsch.toStdString();
  }
  EXPECT_FALSE(store->enthaelt(u"SaveZiel"_s, u"Ziel 0"_s));
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color0"_s));
}

TEST_F(ZielTest, SpeichernSetztStatusAuchOhneAenderung) {
  for (int mal = 0; mal < 2; ++mal) {
    store->removeSection(u"StatusIn"_s);
    EXPECT_EQ(ziel().zielSpeichern(3, u"/media/usb/Backup"_s), u"/media/usb/Backup/"_s);
    EXPECT_EQ(status(u"Color3"_s), u"3"_s);
    EXPECT_EQ(status(u"Msgbox3"_s), u"am 05. Dez. 2026 um 14:03:27 wurde das Zielverzeichnis geändert und der "
                                    u"Kopiervorgang noch nicht wieder gestartet."_s);
  }
  EXPECT_EQ(logbuch->saetze.first(),
            (QPair<QString, int>{u"Zielpfad für Aufgabe 4 gespeichern => /media/usb/Backup/"_s, 7}));
  EXPECT_EQ(ziel().zielSpeichern(1, u"/"_s), u"/"_s);
  EXPECT_EQ(ziel().zielSpeichern(2, u"/Mein Ziel mit Ä "_s), u"/Mein Ziel mit Ä /"_s);
  EXPECT_FALSE(bearbeiten::zielGesichert(u"/mein Ziel mit ä /"_s, ziel().gespeichertesZiel(2)));
  EXPECT_FALSE(bearbeiten::zielGesichert(u"/Mein Ziel mit Ä / "_s, ziel().gespeichertesZiel(2)));
}

TEST_F(ZielTest, TitelAendernKuerztDieUebersichtUeber25Zeichen) {
  EXPECT_EQ(ziel().titelAendern(3, QString()), std::nullopt);
  EXPECT_FALSE(store->enthaelt(u"Titel"_s, u"Titel3"_s));
  const QString fuenfundzwanzig = u"Fotos der Familie Müller!"_s;
  EXPECT_EQ(ziel().titelAendern(3, fuenfundzwanzig)->ortLabel, u"(4) "_s + fuenfundzwanzig);
  const auto neu = ziel().titelAendern(3, fuenfundzwanzig + u'?');
  ASSERT_TRUE(neu);
  EXPECT_EQ(neu->titel, fuenfundzwanzig + u'?');
  EXPECT_EQ(neu->ortLabel, u"(4) Fotos der Familie Müll ..."_s);
  EXPECT_EQ(ziel().titel(3), fuenfundzwanzig + u'?');
  EXPECT_TRUE(logbuch->saetze.isEmpty());
  EXPECT_FALSE(store->enthaelt(u"StatusIn"_s, u"Color3"_s));
}

}  // namespace
}  // namespace bewahrix
