// The hover help on the real main window: the text of the control under the
// pointer, the background clearing it, and the switch that hides the line.

#include "desktop/HoverHilfe.h"
#include "desktop/SaverHilfe.h"
#include "store/SettingsStore.h"
#include "support/SaverUmgebung.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTabBar>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class HoverHilfeTest : public test::SaverUmgebung {
 protected:
  void SetUp() override {
    SaverUmgebung::SetUp();
    zeigen();
  }

  QWidget* w(const QString& name) {
    auto* gefunden = saver.findChild<QWidget*>(name);
    EXPECT_NE(gefunden, nullptr) << name.toStdString();
    return gefunden;
  }
  // What the label shows, as the user reads it.
  QString zeile() const { return saver.hilfe->text(); }
  // The line once the pointer has entered ziel.
  QString bei(QWidget* ziel) {
    betreten(ziel);
    return zeile();
  }

  static void betreten(QWidget* ziel) {
    const QPointF p(1, 1);
    QEnterEvent e(p, ziel->mapTo(ziel->window(), p), ziel->mapToGlobal(p));
    QCoreApplication::sendEvent(ziel, &e);
  }
  static void bewegen(QWidget* ziel, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, p, ziel->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &e);
  }
  // The pointer through the window system: Qt picks the widget under it,
  // sends enter and leave, and hands an ignored move on to the parents.
  void zeigeAuf(QWidget* ziel, QPoint p) {
    QTest::mouseMove(saver.windowHandle(), ziel->mapTo(&saver, p));
  }
  // A spot of the widget where none of its children lies.
  static std::optional<QPoint> freieStelle(QWidget* flaeche) {
    for (int y = flaeche->height() - 2; y > 0; y -= 3)
      for (int x = 1; x < flaeche->width(); x += 3)
        if (flaeche->childAt(x, y) == nullptr) return QPoint(x, y);
    return std::nullopt;
  }
  QWidget* seite(int k) { return qobject_cast<QScrollArea*>(saver.ssTab->widget(k))->widget(); }

  HoverHilfe hilfe{&saver, saver.hilfe, saverHilfe(saver)};
};

TEST_F(HoverHilfeTest, JederEintragNenntEinSteuerelementDesFensters) {
  const HilfeTabelle tabelle = saverHilfe(saver);
  // 26 names once per task, 30 copy-mode buttons, 10 lists, 7 frames "Frame",
  // and 29 controls outside the task arrays (the window itself included).
  EXPECT_EQ(tabelle.size(), 26 * 5 + 30 + 10 + 7 + 29);
  for (auto it = tabelle.cbegin(); it != tabelle.cend(); ++it) {
    const bool da = it.key() == saver.objectName() || saver.findChild<QWidget*>(it.key()) != nullptr;
    EXPECT_TRUE(da) << it.key().toStdString();
  }
}

// The texts that name a task or follow the window's state, as they are now
// and not when the window was built.
TEST_F(HoverHilfeTest, ZeigtDenTextMitDerAufgabeUndDemZustand) {
  saver.aufgabe.at(1).txtZuSichern->setText(u"/home/anna/<b>Daten</b>/*.*"_s);
  saver.inhaltAuftraege.at(0)->setText(u"7 Aufträge"_s);
  saver.inhaltAuftraege.at(3)->setText(u"12 Aufträge"_s);
  saver.aufgabe.at(0).pruefLampe->setzeZustand(Lampe::Zustand::Rot);
  // A task without a copy mode shows its schedule on light red.
  QPalette rot = saver.infoTimer.at(1)->palette();
  rot.setColor(QPalette::Window, QColor(0xFF, 0x80, 0x80));
  saver.infoTimer.at(1)->setPalette(rot);
  saver.ssTabOptionen->setCurrentIndex(3);
  const std::pair<QString, QString> faelle[] = {
      {u"cmd_KopieStart(2)"_s, u" alle Dateien in der Aufgabe 3 jetzt verarbeiten"_s},
      {u"cmd_Überschrift(4)"_s, u" Überschrift von Aufgabe 5 ändern"_s},
      {u"cmd_Dazu(1)"_s, u" fügt den Eintrag /home/anna/<b>Daten</b>/*.* in die Liste"_s},
      // The first two characters of the count, blank included.
      {u"InhaltAufträge(0)"_s, u" Aufgabe 1 hat 7  Einträge in der Liste"_s},
      {u"Label_OrtInfo(3)"_s, u" Aufgabe 4 hat 12 Einträge in der Liste (mit klick zur Aufgabe)"_s},
      // The date list beside the entries has a text of its own.
      {u"txt_SichernGesamt(6)"_s, u" gibt den Datum wieder, wann der jeweilige Eintrag erfolgte"_s},
      {u"txt_SichernGesamt(1)"_s, u" Liste aller zu kopierenden Dateien und Verzeichnisse"_s},
      {u"PrüfLampe(0)"_s, u" letzter Kopiervorgang fehlerhaft"_s},
      {u"InfoTimer(1)"_s, u" gesetzter automatischer Zeitplan (es wurde kein Vorgang gewählt)"_s},
      {u"InfoTimer(2)"_s, u" gesetzter automatischer Zeitplan"_s},
      // The copy-mode buttons name the task of the tab on show.
      {u"Option_SOLL(20)"_s, u" legen Sie hier den Kopiervorgang für die Aufgabe 4 fest"_s},
      {u"TxtDate(1)"_s, u" Datum und Uhrzeit wann das Programm gestartet wurde"_s},
  };
  for (const auto& [name, text] : faelle) EXPECT_EQ(bei(w(name)), text) << name.toStdString();
  EXPECT_EQ(saver.hilfe->textFormat(), Qt::PlainText);  // typed text is no markup
}

// Inner parts belong to their control; background, frames and tab strips
// clear the line.
TEST_F(HoverHilfeTest, InnereTeileUndHintergrund) {
  bewegen(saver.aufgabe.at(0).txtSichernGesamt->viewport(), {5, 5});
  EXPECT_EQ(zeile(), u" Liste aller zu kopierenden Dateien und Verzeichnisse"_s);
  bewegen(saver.logbuch->viewport(), {5, 5});
  EXPECT_EQ(zeile(), u" Logbuch"_s);
  bewegen(saver.ssTab->tabBar(), {2, 2});
  EXPECT_EQ(zeile(), u" "_s);
  const auto pruefeLeeren = [&](QWidget* flaeche, const char* wo) {
    betreten(saver.cmdEnde);
    ASSERT_EQ(zeile(), u" Bewahrix beenden"_s);
    const auto p = freieStelle(flaeche);
    ASSERT_TRUE(p.has_value()) << wo;
    bewegen(flaeche, *p);
    EXPECT_EQ(zeile(), u" "_s) << wo;
  };
  pruefeLeeren(saver.centralWidget(), "Fenster");
  pruefeLeeren(seite(0), "Seite Inhalt");
  pruefeLeeren(w(u"Frame(5)"_s), "Rahmen der Übersicht");
  pruefeLeeren(w(u"FrameZiel(2)"_s), "Rahmen des Ziels");
  saver.ssTab->setCurrentIndex(6);
  pruefeLeeren(w(u"FrameEinstellung(0)"_s), "Rahmen des Verfahrens");
}

TEST_F(HoverHilfeTest, OhneEigeneHilfeBleibtDerText) {
  betreten(saver.cmdEnde);
  // Named controls without help and plain labels are no background.
  betreten(saver.cmdLogbuchSuchen);
  betreten(w(u"TitelText(0)"_s));
  EXPECT_EQ(bei(saver.labelLogbuch), u" Bewahrix beenden"_s);
  // The date field answers keys, not the mouse.
  EXPECT_EQ(bei(saver.sollDatum), u" Bewahrix beenden"_s);
  QKeyEvent taste(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, u"1"_s);
  QCoreApplication::sendEvent(saver.sollDatum, &taste);
  EXPECT_EQ(zeile(), u" Datum für den automatischen Zeitplan festlegen"_s);
}

TEST_F(HoverHilfeTest, EchterZeigerUeberKnopfUndZurueckAufDenRahmen) {
  saver.ssTab->setCurrentIndex(3);
  QCoreApplication::processEvents();
  // A button that follows the mouse (as a style or a later handler may
  // ask) ignores the move, and Qt hands it on to the frame around it: the
  // button's text has to stay.
  QPushButton* knopf = saver.aufgabe.at(2).cmdVerzeichnisSpeichern;
  knopf->setMouseTracking(true);
  zeigeAuf(knopf, knopf->rect().center());
  zeigeAuf(knopf, knopf->rect().center() + QPoint(1, 0));
  EXPECT_EQ(zeile(), u" Zielverzeichnis speichern"_s);
  QWidget* liste = saver.aufgabe.at(2).txtSichernGesamt->viewport();
  zeigeAuf(liste, {5, 5});
  zeigeAuf(liste, {6, 5});
  EXPECT_EQ(zeile(), u" Liste aller zu kopierenden Dateien und Verzeichnisse"_s);
  // Back onto the frame around the button.
  QWidget* rahmen = w(u"FrameZiel(2)"_s);
  const auto frei = freieStelle(rahmen);
  ASSERT_TRUE(frei.has_value());
  zeigeAuf(rahmen, *frei);
  EXPECT_EQ(zeile(), u" "_s);
}

// The menu item, its stored value and the hidden line: tests/lifecycle.
TEST_F(HoverHilfeTest, VerborgeneZeileFolgtWeiter) {
  SettingsStore store(schluessel::anwendung());
  hilfeSchalten(false, *saver.hilfe, store);
  betreten(saver.cmdMinimize);
  EXPECT_FALSE(saver.hilfe->isVisible());
  EXPECT_EQ(zeile(), u" Bewahrix im Hintergrund arbeiten lassen (minimieren)"_s);
}

}  // namespace
