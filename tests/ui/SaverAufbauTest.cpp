// The main window's composition, as far as other parts rely on it.

#include "support/SaverUmgebung.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QTabBar>

#include <set>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using SaverAufbau = test::SaverUmgebung;

QStringList felder(const QString& name, int anzahl, const QString& zusatz = {}) {
  QStringList namen;
  for (int k = 0; k < anzahl; ++k) namen << name + u'(' + QString::number(k) + u')' + zusatz;
  return namen;
}

// An entry's name: a submenu's by its menu, a separator "-", a switch with "+".
QStringList eintraege(const QWidget* menue) {
  QStringList namen;
  for (QAction* a : menue->actions())
    namen << (a->isSeparator() ? u"-"_s
                               : (a->menu() ? a->menu()->objectName() : a->objectName()) +
                                     (a->isCheckable() ? u"+"_s : QString()));
  return namen;
}

}  // namespace

// The program switches pages and options by index; each index has to hold its page or caption.
TEST_F(SaverAufbau, JederIndexHaeltSeineSeiteUndBeschriftung) {
  std::vector<QWidget*> darauf = {saver.labelOrtInfo.at(4)};
  for (const AufgabenSeite& a : saver.aufgabe) darauf.push_back(a.txtSichernDaten);
  darauf.insert(darauf.end(), {saver.ssTabOptionen, saver.sollDatum, saver.logbuch});
  ASSERT_EQ(saver.ssTab->count(), int(darauf.size()));
  for (int k = 0; k < saver.ssTab->count(); ++k) {
    saver.mappe.at(k)->trigger();
    EXPECT_EQ(saver.ssTab->currentIndex(), k);
    EXPECT_TRUE(saver.ssTab->widget(k)->isAncestorOf(darauf.at(k))) << "Seite " << k;
  }
  // The hover help names the task of the copy-mode tab on show.
  for (int m = 0; m < int(saver.optionSoll.size()); ++m)
    EXPECT_TRUE(saver.ssTabOptionen->widget(m / 6)->isAncestorOf(saver.optionSoll.at(m))) << "Knopf " << m;
  // The index is what is stored: a caption on the wrong one switches something else.
  QStringList kategorien, arten;
  for (QAction* a : saver.aufzeichenLogbuch) kategorien << a->text();
  for (QRadioButton* k : saver.optionTime) arten << k->text();
  EXPECT_EQ(kategorien.join(u'|'), u"Fehlermeldungen|Zielpfad und Erstellung|Dateiname|Dateigröße|Meldung über "
            "Kopiervorgang|Start des Vorgangs|Endreport des Vorgangs|sonstige Meldungen|Löschbestätigung|Hinweis "
            "für *.*** Aufgaben|Ignorier Information"_s);
  EXPECT_EQ(arten.join(u'|'),
            u"einmal zum festen Datum|einmal im Monat|einmal pro Woche|einmal Täglich|deaktiv, Timer aus"_s);
  EXPECT_FALSE(saver.logo->pixmap().isNull()) << "das Logo zeichnet das Programm selbst";
}

// The hover help finds a control by its name; a single "&" would swallow the letter after it.
TEST_F(SaverAufbau, NamenEindeutigUndKeinZeichenVerschluckt) {
  std::set<QString> gesehen;
  for (QObject* o : saver.findChildren<QObject*>()) {
    QString text;  // labels without a buddy show "&" as it is
    if (auto* a = qobject_cast<QAction*>(o)) text = a->text();
    if (auto* m = qobject_cast<QMenu*>(o)) text = m->title();
    if (auto* b = qobject_cast<QAbstractButton*>(o)) text = b->text();
    if (auto* g = qobject_cast<QGroupBox*>(o)) text = g->title();
    EXPECT_TRUE(QKeySequence::mnemonic(text).isEmpty()) << o->objectName().toStdString();
    const QString name = o->objectName();  // Qt's inner parts are not ours
    if (name.isEmpty() || name.startsWith(u"qt_"_s) || qobject_cast<QTabBar*>(o->parent())) continue;
    EXPECT_TRUE(gesehen.insert(name).second) << "doppelt: " << name.toStdString();
  }
  // The dates beside the entries follow the entry lists.
  EXPECT_EQ(saver.aufgabe.at(2).txtSichernDaten->objectName(), u"txt_SichernGesamt(7)"_s);
}


// A user walking the menus by key relies on the order; the tray's menu is the window's too.
TEST_F(SaverAufbau, MenuesInIhrerReihenfolgeUndNurSchalterAbhakbar) {
  const auto menue = [this](const QString& name) { return saver.findChild<QMenu*>(name); };
  const std::vector<std::pair<QWidget*, QStringList>> menues = {
      {saver.menuBar(), {u"Menü"_s, u"MenüLogbuch"_s, u"Menü3"_s}},
      {menue(u"Menü"_s), QStringList{u"Mü_Internet"_s} + felder(u"Mappe"_s, 9) +
                             QStringList{u"-"_s, u"click_alles"_s, u"-"_s, u"Mü_Ende"_s}},
      {menue(u"Mü_Internet"_s), {u"Mü_NewVersion"_s, u"ZumWeb"_s}},
      {menue(u"MenüLogbuch"_s), {u"MenüAufzeichenLogbuch"_s, u"NoAufzeichenLogbuch+"_s, u"MenüLogbuchGrenze"_s}},
      {saver.menueAufzeichenLogbuch, felder(u"AufzeichenLogbuch"_s, 11, u"+"_s)},
      {saver.menueLogbuchGrenze, felder(u"LogbuchGrenze"_s, 4, u"+"_s)},
      {menue(u"Menü3"_s), {u"Mü_Help+"_s, u"mü3"_s, u"Mü_Info"_s, u"-"_s, u"Mü_Begruessung"_s}},
      {menue(u"mü3"_s), {u"Check_StartUpPosition+"_s, u"HotkeyAktion+"_s, u"MsgBoxVersäumt+"_s,
                         u"MsgBoxVersäumtSuchen"_s, u"Mü_CountReset"_s, u"Nü_Reset"_s}},
      {saver.bewahrixFormer, {u"BewahrixAusfueren"_s, u"Mü_Logbuch"_s, u"-"_s, u"BewahrixHerstellen"_s, u"-"_s,
                              u"BewahrixEnd"_s}},
  };
  for (const auto& [m, namen] : menues) EXPECT_EQ(eintraege(m), namen);
  EXPECT_EQ(saver.bewahrixFormer->parent(), &saver);
}
