// The composition of the main window, as far as other parts rely on it: the
// page behind each index, names that lead to the right control, the menus the
// end-to-end tests walk by key, and the controls whose index carries a meaning.

#include "support/SkriptDialoge.h"  // readable QStrings in failures
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

QString feld(const QString& name, int i) { return name + u'(' + QString::number(i) + u')'; }

std::optional<QString> beschriftung(const QObject* o) {
  if (auto* a = qobject_cast<const QAction*>(o)) return a->text();
  if (auto* m = qobject_cast<const QMenu*>(o)) return m->title();
  if (auto* b = qobject_cast<const QAbstractButton*>(o)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(o)) return g->title();
  if (auto* l = qobject_cast<const QLabel*>(o)) return l->text();
  return std::nullopt;
}

// The name an entry of a menu goes by: a submenu by its menu's name.
QStringList eintraege(const QWidget* menue) {
  QStringList namen;
  for (QAction* a : menue->actions()) namen << (a->menu() ? a->menu()->objectName() : a->objectName());
  return namen;
}

class SaverAufbau : public ::testing::Test {
 protected:
  Saver saver;
};

}  // namespace

// The program switches pages by index (menu, task labels, jumps between the
// copy modes and the schedules); each index has to hold its page.
TEST_F(SaverAufbau, JederIndexHaeltSeineSeite) {
  ASSERT_EQ(saver.ssTab->count(), 9);
  const auto auf = [&](int seite, QWidget* w) { return saver.ssTab->widget(seite)->isAncestorOf(w); };
  EXPECT_TRUE(auf(0, saver.labelOrtInfo.at(4)));
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    EXPECT_TRUE(auf(i + 1, saver.aufgabe.at(i).txtZuSichern)) << "Aufgabe " << i + 1;
    EXPECT_TRUE(auf(i + 1, saver.aufgabe.at(i).txtSichernDaten)) << "Aufgabe " << i + 1;
  }
  EXPECT_TRUE(auf(6, saver.ssTabOptionen));
  EXPECT_TRUE(auf(7, saver.sollDatum));
  EXPECT_TRUE(auf(8, saver.logbuch));
  // The hover help names the task of the copy-mode tab on show.
  ASSERT_EQ(saver.ssTabOptionen->count(), Saver::kAufgaben);
  for (int i = 0; i < Saver::kAufgaben; ++i)
    for (int m = 0; m < 6; ++m)
      EXPECT_TRUE(saver.ssTabOptionen->widget(i)->isAncestorOf(saver.optionSoll.at(6 * i + m)))
          << "Knopf " << m << " von Aufgabe " << i + 1;
}

// The hover help finds a control by its name: a name given twice hides one
// of them, and an element of a control array has to carry its own index.
TEST_F(SaverAufbau, NamenSindEindeutigUndTragenDenIndexIhresFeldes) {
  std::set<QString> gesehen;
  for (QObject* o : saver.findChildren<QObject*>()) {
    const QString name = o->objectName();
    // Qt's inner parts, such as a tab bar's scroll buttons, are not ours.
    if (name.isEmpty() || name.startsWith(u"qt_"_s) || qobject_cast<QTabBar*>(o->parent())) continue;
    EXPECT_TRUE(gesehen.insert(name).second) << "doppelt: " << name.toStdString();
  }

  std::vector<std::pair<QObject*, int>> z;
  const auto alle = [&z](const auto& feld) {
    for (int k = 0; k < int(feld.size()); ++k) z.emplace_back(feld.at(k), k);
  };
  alle(saver.mappe);
  alle(saver.aufzeichenLogbuch);
  alle(saver.optionSoll);
  alle(saver.cmdAutoSave);
  alle(saver.optionVerzeichnisse);
  alle(saver.txtDate);
  alle(saver.optionTime);
  alle(saver.labelOrtInfo);
  alle(saver.inhaltAuftraege);
  alle(saver.checkAllFileKill);
  alle(saver.checkAllFileKillUndo);
  alle(saver.cmdZuTimer);
  alle(saver.checkSofort);
  alle(saver.infoTimer);
  alle(saver.optionTimerAufgabe);
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    const AufgabenSeite& a = saver.aufgabe.at(i);
    for (QObject* o : std::initializer_list<QObject*>{
             a.titelText, a.infoVerfahren, a.pruefLampe, a.cmdUeberschrift, a.cmdKopieStart, a.txtSichernGesamt,
             a.txtZuSichern, a.cmdDazu, a.cmdSuchen, a.cmdVerzeichnisSuchen, a.cmdLoeschen, a.cmdLoeschenAlles,
             a.cmdIgnorier, a.cmdInfo, a.txtSicherungsVerzeichnis, a.cmdVerzeichnisSpeichern, a.cmdPfadLesen,
             a.statusZiel})
      z.emplace_back(o, i);
    // The dates beside the entries follow the entry lists.
    z.emplace_back(a.txtSichernDaten, i + Saver::kAufgaben);
  }
  for (const auto& [o, index] : z) {
    ASSERT_NE(o, nullptr);
    EXPECT_TRUE(o->objectName().endsWith(u'(' + QString::number(index) + u')'))
        << o->objectName().toStdString() << " an Index " << index;
  }
  EXPECT_EQ(saver.aufgabe.at(2).txtSichernDaten->objectName(), u"txt_SichernGesamt(7)"_s);
}

// The index is what is stored: the category a logbook switch turns off, the
// kind of schedule. A caption on the wrong index switches something else.
TEST_F(SaverAufbau, BeschriftungPasstZumGespeichertenIndex) {
  const QStringList kategorien = {
      u"Fehlermeldungen"_s,         u"Zielpfad und Erstellung"_s,     u"Dateiname"_s,
      u"Dateigröße"_s,              u"Meldung über Kopiervorgang"_s, u"Start des Vorgangs"_s,
      u"Endreport des Vorgangs"_s,  u"sonstige Meldungen"_s,          u"Löschbestätigung"_s,
      u"Hinweis für *.*** Aufgaben"_s, u"Ignorier Information"_s};
  ASSERT_EQ(int(saver.aufzeichenLogbuch.size()), kategorien.size());
  for (int n = 0; n < kategorien.size(); ++n) EXPECT_EQ(saver.aufzeichenLogbuch.at(n)->text(), kategorien.at(n));
  const QStringList arten = {u"einmal zum festen Datum"_s, u"einmal im Monat"_s, u"einmal pro Woche"_s,
                             u"einmal Täglich"_s, u"deaktiv, Timer aus"_s};
  ASSERT_EQ(int(saver.optionTime.size()), arten.size());
  for (int k = 0; k < arten.size(); ++k) EXPECT_EQ(saver.optionTime.at(k)->text(), arten.at(k));
}

// Buttons, frames, tabs and menus read "&" as a mnemonic. Only the doubled
// "&&" of "Drag && Drap" is meant; a single "&" would swallow the letter after it.
TEST_F(SaverAufbau, KeineBeschriftungVerschlucktEinZeichen) {
  for (QObject* o : saver.findChildren<QObject*>()) {
    if (qobject_cast<QLabel*>(o)) continue;  // labels without a buddy show "&" as it is
    const std::optional<QString> text = beschriftung(o);
    if (!text || text->isEmpty()) continue;
    EXPECT_TRUE(QKeySequence::mnemonic(*text).isEmpty()) << o->objectName().toStdString();
  }
  EXPECT_FALSE(QKeySequence::mnemonic(u"Drag &Drap"_s).isEmpty()) << "so fiele ein einzelnes & auf";
}

// The order is what a user walking the menus by key relies on.
TEST_F(SaverAufbau, MenueleisteUndMenuesInIhrerReihenfolge) {
  EXPECT_EQ(eintraege(saver.menuBar()), (QStringList{u"Menü"_s, u"MenüLogbuch"_s, u"Menü3"_s}));
  QStringList programm = {u"Mü_Internet"_s};
  for (int k = 0; k < 9; ++k) programm << feld(u"Mappe"_s, k);
  programm << u"str0"_s << u"click_alles"_s << u"str"_s << u"Mü_Ende"_s;
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"Menü"_s)), programm);
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"Mü_Internet"_s)),
            (QStringList{u"Mü_NewVersion"_s, u"ZumWeb"_s}));
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"MenüLogbuch"_s)),
            (QStringList{u"MenüAufzeichenLogbuch"_s, u"NoAufzeichenLogbuch"_s}));
  QStringList kategorien;
  for (int n = 0; n < 11; ++n) kategorien << feld(u"AufzeichenLogbuch"_s, n);
  EXPECT_EQ(eintraege(saver.menueAufzeichenLogbuch), kategorien);
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"Menü3"_s)),
            (QStringList{u"Mü_Help"_s, u"mü3"_s, u"Mü_Info"_s, u"Mü_str"_s, u"Mü_Begruessung"_s}));
  EXPECT_EQ(eintraege(saver.findChild<QMenu*>(u"mü3"_s)),
            (QStringList{u"Check_StartUpPosition"_s, u"HotkeyAktion"_s, u"MsgBoxVersäumt"_s,
                         u"MsgBoxVersäumtSuchen"_s, u"Mü_CountReset"_s, u"Nü_Reset"_s}));
  EXPECT_EQ(eintraege(saver.bewahrixFormer),
            (QStringList{u"BewahrixAusfueren"_s, u"Mü_Logbuch"_s, u"Strich1"_s, u"BewahrixHerstellen"_s,
                         u"Strich2"_s, u"BewahrixEnd"_s}));
  for (const QString& strich : {u"str0"_s, u"str"_s, u"Mü_str"_s, u"Strich1"_s, u"Strich2"_s})
    EXPECT_TRUE(saver.findChild<QAction*>(strich)->isSeparator()) << strich.toStdString();
}

TEST_F(SaverAufbau, NurDieSchalterSindAbhakbar) {
  QStringList abhakbar;
  for (QAction* a : saver.findChildren<QAction*>())
    if (a->isCheckable()) abhakbar << a->objectName();
  abhakbar.sort();
  QStringList erwartet = {u"NoAufzeichenLogbuch"_s, u"Mü_Help"_s, u"Check_StartUpPosition"_s,
                          u"HotkeyAktion"_s, u"MsgBoxVersäumt"_s};
  for (int n = 0; n < 11; ++n) erwartet << feld(u"AufzeichenLogbuch"_s, n);
  erwartet.sort();
  EXPECT_EQ(abhakbar, erwartet);
}

TEST_F(SaverAufbau, TrayMenueGehoertDemFensterAberNichtDerMenueleiste) {
  ASSERT_NE(saver.bewahrixFormer, nullptr);
  EXPECT_EQ(saver.bewahrixFormer->parent(), &saver);
  // Searched through every menu of the bar, submenus included.
  QList<QWidget*> offen = {saver.menuBar()};
  while (!offen.isEmpty()) {
    for (QAction* a : offen.takeFirst()->actions()) {
      EXPECT_NE(a, saver.bewahrixFormer->menuAction());
      for (QAction* t : saver.bewahrixFormer->actions()) EXPECT_NE(a, t) << t->objectName().toStdString();
      if (a->menu()) offen << a->menu();
    }
  }
}

TEST_F(SaverAufbau, ZeitgeberStehenMitIhremTakt) {
  const std::vector<std::pair<QTimer*, int>> zeitgeber = {
      {saver.timerAutomatik, 5000}, {saver.timerUhr, 1000}, {saver.timerWarnung, 400}};
  for (const auto& [t, ms] : zeitgeber) {
    EXPECT_EQ(t->interval(), ms) << t->objectName().toStdString();
    EXPECT_FALSE(t->isActive()) << "erst der Programmstart setzt sie in Gang";
    EXPECT_FALSE(t->isSingleShot());
  }
}

TEST_F(SaverAufbau, UhrzeitLogbuchTitelUndLogo) {
  EXPECT_EQ(saver.sollZeit->displayFormat(), u"HH:mm:ss"_s);
  EXPECT_STREQ(saver.logbuch->metaObject()->className(), "QListView") << "der Besitzer setzt ein Modell";
  EXPECT_TRUE(saver.logbuch->uniformItemSizes());
  EXPECT_EQ(saver.windowTitle(), u"Bewahrix"_s);
  EXPECT_FALSE(saver.logo->pixmap().isNull()) << "das Logo zeichnet das Programm selbst";
}
