// The hover help on the real main window.

#include "desktop/HoverHilfe.h"
#include "desktop/SaverHilfe.h"
#include "store/SettingsStore.h"
#include "support/SaverUmgebung.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QTabBar>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class HoverHilfeTest : public test::SaverUmgebung {
 protected:
  // Through the window system, as Qt passes enter, leave and ignored moves on.
  QString zeigeAuf(QWidget* ziel) {
    for (int k = 0; k < saver.ssTab->count(); ++k)
      if (saver.ssTab->widget(k)->isAncestorOf(ziel)) saver.ssTab->setCurrentIndex(k);
    warten();
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, QPoint(3, 3)));
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, QPoint(4, 3)));
    return saver.hilfe->text();
  }
  // Only the enter, as when the pointer comes from a neighbour in the same frame.
  QString bei(QWidget* ziel) {
    QEnterEvent e(QPointF(1, 1), ziel->mapTo(&saver, QPointF(1, 1)), ziel->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(ziel, &e);
    return saver.hilfe->text();
  }

  HoverHilfe hilfe{&saver, saver.hilfe, saverHilfe(saver)};
};

// Every entry names a control; texts follow the window's state; background clears the line, plain labels keep it.
TEST_F(HoverHilfeTest, TextDesSteuerelementsUnterDemZeiger) {
  zeigen();
  const HilfeTabelle tabelle = saverHilfe(saver);
  // 26 names per task, 30 copy modes, 10 lists, 7 frames, 29 others with the window.
  EXPECT_EQ(tabelle.size(), 26 * 5 + 30 + 10 + 7 + 29);
  for (auto it = tabelle.cbegin(); it != tabelle.cend(); ++it)
    EXPECT_TRUE(it.key() == saver.objectName() || saver.findChild<QWidget*>(it.key())) << it.key().toStdString();
  SettingsStore store(schluessel::anwendung());
  hilfeSchalten(false, *saver.hilfe, store);
  saver.aufgabe.at(1).txtZuSichern->setText(u"/home/anna/<b>Daten</b>/*.*"_s);
  saver.inhaltAuftraege.at(0)->setText(u"7 Aufträge"_s);
  saver.aufgabe.at(0).pruefLampe->setzeZustand(Lampe::Zustand::Rot);
  // A task without a copy mode shows its schedule on light red.
  QPalette rot = saver.infoTimer.at(1)->palette();
  rot.setColor(QPalette::Window, QColor(0xFF, 0x80, 0x80));
  saver.infoTimer.at(1)->setPalette(rot);
  saver.ssTabOptionen->setCurrentIndex(3);
  // Its ignored moves reach the frame, which must not clear the button's text.
  saver.aufgabe.at(2).cmdVerzeichnisSpeichern->setMouseTracking(true);
  const QString bleibt = u" Bewahrix beenden"_s;
  const std::pair<QWidget*, QString> faelle[] = {
      {saver.aufgabe.at(2).cmdKopieStart, u" alle Dateien in der Aufgabe 3 jetzt verarbeiten"_s},
      {saver.aufgabe.at(1).cmdDazu, u" fügt den Eintrag /home/anna/<b>Daten</b>/*.* in die Liste"_s},
      {saver.aufgabe.at(0).pruefLampe, u" letzter Kopiervorgang fehlerhaft"_s},
      // The first two characters of the count, blank included.
      {saver.inhaltAuftraege.at(0), u" Aufgabe 1 hat 7  Einträge in der Liste"_s},
      {saver.aufgabe.at(1).txtSichernDaten, u" gibt den Datum wieder, wann der jeweilige Eintrag erfolgte"_s},
      {saver.infoTimer.at(1), u" gesetzter automatischer Zeitplan (es wurde kein Vorgang gewählt)"_s},
      {saver.infoTimer.at(2), u" gesetzter automatischer Zeitplan"_s},
      // The copy-mode buttons name the task of the tab on show.
      {saver.optionSoll.at(20), u" legen Sie hier den Kopiervorgang für die Aufgabe 4 fest"_s},
      {saver.aufgabe.at(2).cmdVerzeichnisSpeichern, u" Zielverzeichnis speichern"_s},
      {saver.labelLogbuch, bleibt}, {saver.ssTab->tabBar(), u" "_s}};
  for (const auto& [ziel, text] : faelle) {
    SCOPED_TRACE(ziel->objectName().toStdString());
    ASSERT_EQ(zeigeAuf(saver.cmdEnde), bleibt);
    EXPECT_EQ(text == bleibt ? bei(ziel) : zeigeAuf(ziel), text);
  }
  QKeyEvent taste(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, u"1"_s);
  QCoreApplication::sendEvent(saver.sollDatum, &taste);
  EXPECT_EQ(std::tuple(saver.hilfe->text(), saver.hilfe->textFormat(), saver.hilfe->isVisible()),
            std::tuple(u" Datum für den automatischen Zeitplan festlegen"_s, Qt::PlainText, false));
}

}  // namespace
