// The hover help on the real main window.

#include "desktop/HoverHilfe.h"
#include "desktop/SaverHilfe.h"
#include "support/SaverUmgebung.h"

#include <QTabBar>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using HoverHilfeTest = test::SaverUmgebung;

// Every entry names a control. Through the window system, as Qt passes enter, leave and ignored moves on: the
// line names the task and shows the typed entry as plain text, the background clears it, and a button's ignored
// moves reach its frame, which must not clear the button's text.
TEST_F(HoverHilfeTest, TextDesSteuerelementsUnterDemZeiger) {
  const HilfeTabelle tabelle = saverHilfe(saver);
  for (auto it = tabelle.cbegin(); it != tabelle.cend(); ++it)
    EXPECT_TRUE(it.key() == saver.objectName() || saver.findChild<QWidget*>(it.key())) << it.key().toStdString();
  HoverHilfe hilfe{&saver, saver.hilfe, tabelle};
  zeigen();
  AufgabenSeite& a = saver.aufgabe.at(2);
  a.txtZuSichern->setText(u"/home/anna/<b>Daten</b>/*.*"_s);
  a.cmdVerzeichnisSpeichern->setMouseTracking(true);
  saver.ssTab->setCurrentIndex(3);
  warten();
  const std::pair<QWidget*, QString> faelle[] = {
      {a.cmdKopieStart, u" alle Dateien in der Aufgabe 3 jetzt verarbeiten"_s},
      {saver.ssTab->tabBar(), u" "_s},
      {a.cmdDazu, u" fügt den Eintrag /home/anna/<b>Daten</b>/*.* in die Liste"_s},
      {a.cmdVerzeichnisSpeichern, u" Zielverzeichnis speichern"_s}};
  for (const auto& [ziel, text] : faelle) {
    SCOPED_TRACE(ziel->objectName().toStdString());
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, QPoint(3, 3)));
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, QPoint(4, 3)));
    EXPECT_EQ(std::pair(saver.hilfe->text(), saver.hilfe->textFormat()), std::pair(text, Qt::PlainText));
  }
}

}  // namespace
