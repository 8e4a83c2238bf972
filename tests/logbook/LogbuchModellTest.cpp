#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "logbook/LogbuchModell.h"

#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "LogbuchUmgebung.h"

#include <QFile>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

TEST(Groessentext, KilobyteBisUnter1025DannMegabyte) {
  EXPECT_EQ(groessenText(0), u"(0,00 KB)"_s);
  EXPECT_EQ(groessenText(12960), u"(12,66 KB)"_s);
  EXPECT_EQ(groessenText(1024 * 1024), u"(1024,00 KB)"_s);
  EXPECT_EQ(groessenText(1025 * 1024 - 1), u"(1025,00 KB)"_s);
  EXPECT_EQ(groessenText(1025 * 1024), u"(1,0 MB)"_s);
  EXPECT_EQ(groessenText(qint64{5} * 1024 * 1024 * 1024), u"(5120,0 MB)"_s);
}

class LogbuchModellTest : public test::LogbuchUmgebung {
 protected:
  void SetUp() override {
    LogbuchUmgebung::SetUp();
    uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(0, 0)));
  }
};

TEST_F(LogbuchModellTest, LeeresLogbuch) {
  modell->neuLaden();
  EXPECT_EQ(modell->rowCount(), 0);
  EXPECT_EQ(modell->groessenText(), u"(0,00 KB)"_s);
  EXPECT_EQ(QFile(logbuch->dateipfad()).size(), 0);  // opening creates it
}

TEST_F(LogbuchModellTest, ZeilenUeberBlockgrenzenUndNachNeuLaden) {
  for (int i = 0; i < 1100; ++i) {
    logbuch->eintrag(u"Eintrag "_s + QString::number(i), SonstigeMeldung);
    uhr.sekundenWeiter(1);
  }
  QSignalSpy zurueckgesetzt(modell.get(), &QAbstractItemModel::modelReset);
  modell->neuLaden();
  EXPECT_EQ(zurueckgesetzt.count(), 1);
  ASSERT_EQ(modell->rowCount(), 1100);
  EXPECT_EQ(modell->groessenText(), u"(232,03 KB)"_s);
  // Rows are read in any order, across the blocks the model reads.
  for (const int row : {1099, 0, 511, 512, 1023, 1024, 3}) {
    const QString text = u"Eintrag "_s + QString::number(row);
    EXPECT_TRUE(modell->zeile(row).endsWith(text)) << row;
    EXPECT_EQ(modell->data(modell->index(row)).toString(), modell->zeile(row));
  }
  EXPECT_EQ(modell->zeile(61), u"05.12.2026 um 00:01:01: Eintrag 61"_s);
  EXPECT_FALSE(modell->data(modell->index(0), Qt::EditRole).isValid());

  // New entries appear only after the next refresh.
  logbuch->eintrag(u"neu"_s, SonstigeMeldung);
  EXPECT_EQ(modell->rowCount(), 1100);
  modell->neuLaden();
  EXPECT_EQ(modell->rowCount(), 1101);
  EXPECT_TRUE(modell->zeile(1100).endsWith(u": neu"_s));
}

TEST_F(LogbuchModellTest, NeuLadenBenutztDenRueckfall) {
  logbuch->eintrag(u"alt"_s, SonstigeMeldung);
  store->write(u"LogBuch"_s, u"Pfad"_s, pfad(u"weg/"_s));
  modell->neuLaden();
  // The fallback file is the old one in the home directory, with the two notes.
  ASSERT_EQ(modell->rowCount(), 3);
  EXPECT_TRUE(modell->zeile(2).endsWith(u"gespeichert"_s));
}
