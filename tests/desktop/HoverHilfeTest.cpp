// The hover help on the real main window.

#include "desktop/HoverHilfe.h"
#include "desktop/SaverHilfe.h"
#include "store/SettingsStore.h"
#include "support/SaverUmgebung.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QTabBar>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class HoverHilfeTest : public test::SaverUmgebung {
 protected:
  QWidget* w(const QString& name) {
    auto* gefunden = saver.findChild<QWidget*>(name);
    EXPECT_NE(gefunden, nullptr) << name.toStdString();
    return gefunden;
  }
  // Through the window system, as Qt passes enter, leave and ignored moves on.
  QString zeigeAuf(QWidget* ziel, QPoint p) {
    for (int k = 0; k < saver.ssTab->count(); ++k)
      if (saver.ssTab->widget(k)->isAncestorOf(ziel)) saver.ssTab->setCurrentIndex(k);
    warten();
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, p));
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, p + QPoint(1, 0)));
    return saver.hilfe->text();
  }
  // Only the enter, as when the pointer comes from a neighbour in the same frame.
  QString bei(QWidget* ziel) {
    QEnterEvent e(QPointF(1, 1), ziel->mapTo(&saver, QPointF(1, 1)), ziel->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(ziel, &e);
    return saver.hilfe->text();
  }
  // A spot of the widget where none of its children lies.
  static std::optional<QPoint> freieStelle(QWidget* flaeche) {
    for (int y = flaeche->height() - 2; y > 0; y -= 3)
      for (int x = 1; x < flaeche->width(); x += 3)
        if (flaeche->childAt(x, y) == nullptr) return QPoint(x, y);
    return std::nullopt;
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
  saver.inhaltAuftraege.at(3)->setText(u"12 Aufträge"_s);
  saver.aufgabe.at(0).pruefLampe->setzeZustand(Lampe::Zustand::Rot);
  // A task without a copy mode shows its schedule on light red.
  QPalette rot = saver.infoTimer.at(1)->palette();
  rot.setColor(QPalette::Window, QColor(0xFF, 0x80, 0x80));
  saver.infoTimer.at(1)->setPalette(rot);
  saver.ssTabOptionen->setCurrentIndex(3);
  // Its ignored moves reach the frame, which must not clear the button's text.
  saver.aufgabe.at(2).cmdVerzeichnisSpeichern->setMouseTracking(true);
  const QString bleibt = u" Bewahrix beenden"_s, leer = u" "_s;
  const QPoint ecke(3, 3);
  const std::tuple<QWidget*, std::optional<QPoint>, QString> faelle[] = {
      {w(u"cmd_KopieStart(2)"_s), ecke, u" alle Dateien in der Aufgabe 3 jetzt verarbeiten"_s},
      {w(u"cmd_Überschrift(4)"_s), ecke, u" Überschrift von Aufgabe 5 ändern"_s},
      {w(u"cmd_Dazu(1)"_s), ecke, u" fügt den Eintrag /home/anna/<b>Daten</b>/*.* in die Liste"_s},
      // The first two characters of the count, blank included.
      {w(u"InhaltAufträge(0)"_s), ecke, u" Aufgabe 1 hat 7  Einträge in der Liste"_s},
      {w(u"Label_OrtInfo(3)"_s), ecke, u" Aufgabe 4 hat 12 Einträge in der Liste (mit klick zur Aufgabe)"_s},
      // The date list beside the entries has a text of its own.
      {w(u"txt_SichernGesamt(6)"_s), ecke, u" gibt den Datum wieder, wann der jeweilige Eintrag erfolgte"_s},
      {saver.aufgabe.at(0).txtSichernGesamt->viewport(), ecke,
       u" Liste aller zu kopierenden Dateien und Verzeichnisse"_s},
      {w(u"PrüfLampe(0)"_s), ecke, u" letzter Kopiervorgang fehlerhaft"_s},
      {w(u"InfoTimer(1)"_s), ecke, u" gesetzter automatischer Zeitplan (es wurde kein Vorgang gewählt)"_s},
      {w(u"InfoTimer(2)"_s), ecke, u" gesetzter automatischer Zeitplan"_s},
      // The copy-mode buttons name the task of the tab on show.
      {w(u"Option_SOLL(20)"_s), ecke, u" legen Sie hier den Kopiervorgang für die Aufgabe 4 fest"_s},
      {w(u"TxtDate(1)"_s), ecke, u" Datum und Uhrzeit wann das Programm gestartet wurde"_s},
      {saver.logbuch->viewport(), ecke, u" Logbuch"_s},
      {saver.aufgabe.at(2).cmdVerzeichnisSpeichern, ecke, u" Zielverzeichnis speichern"_s},
      {saver.labelLogbuch, ecke, bleibt}, {saver.cmdLogbuchSuchen, ecke, bleibt}, {w(u"TitelText(0)"_s), ecke, bleibt},
      {saver.sollDatum, ecke, bleibt},  // it answers keys, not the mouse
      {saver.ssTab->tabBar(), ecke, leer}, {saver.centralWidget(), std::nullopt, leer},
      {qobject_cast<QScrollArea*>(saver.ssTab->widget(0))->widget(), std::nullopt, leer},
      {w(u"Frame(5)"_s), std::nullopt, leer}, {w(u"FrameZiel(2)"_s), std::nullopt, leer},
      {w(u"FrameEinstellung(0)"_s), std::nullopt, leer},
  };
  for (const auto& [ziel, stelle, text] : faelle) {
    SCOPED_TRACE(ziel->objectName().toStdString());
    ASSERT_EQ(zeigeAuf(saver.cmdEnde, ecke), bleibt);
    const auto p = stelle ? stelle : freieStelle(ziel);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(text == bleibt ? bei(ziel) : zeigeAuf(ziel, *p), text);
  }
  QKeyEvent taste(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, u"1"_s);
  QCoreApplication::sendEvent(saver.sollDatum, &taste);
  EXPECT_EQ(std::tuple(saver.hilfe->text(), saver.hilfe->textFormat(), saver.hilfe->isVisible()),
            std::tuple(u" Datum für den automatischen Zeitplan festlegen"_s, Qt::PlainText, false));
}

}  // namespace
