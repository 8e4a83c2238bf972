// The main window by itself, without the program behind it: its composition, as far as other parts rely on
// it, and what it does.

#include "support/SaverUmgebung.h"

#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>

#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using SaverAufbau = test::SaverUmgebung;
using SaverBedienung = test::SaverUmgebung;

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

using Z = Lampe::Zustand;

// Counts the paint events a widget receives.
struct Maler : QObject {
  int anzahl = 0;
  bool eventFilter(QObject*, QEvent* e) override { return (anzahl += e->type() == QEvent::Paint, false); }
};

}  // namespace

// The program switches pages and options by index; each index has to hold its page.
TEST_F(SaverAufbau, JederIndexHaeltSeineSeite) {
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
}

// The hover help finds a control by its name.
TEST_F(SaverAufbau, NamenEindeutig) {
  std::set<QString> gesehen;
  for (QObject* o : saver.findChildren<QObject*>()) {
    const QString name = o->objectName();  // Qt's inner parts are not ours
    if (name.isEmpty() || name.startsWith(u"qt_"_s) || qobject_cast<QTabBar*>(o->parent())) continue;
    EXPECT_TRUE(gesehen.insert(name).second) << "doppelt: " << name.toStdString();
  }
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

// Every option group for itself: a click in one leaves the others alone.
TEST_F(SaverBedienung, JedeOptionsgruppeFuerSich) {
  std::vector<std::vector<QRadioButton*>> gruppen;
  for (int i = 0; i < Saver::kAufgaben; ++i)
    gruppen.emplace_back(saver.optionSoll.begin() + 6 * i, saver.optionSoll.begin() + 6 * i + 6);
  gruppen.emplace_back(saver.optionTimerAufgabe.begin(), saver.optionTimerAufgabe.end());
  gruppen.emplace_back(saver.optionTime.begin(), saver.optionTime.end());
  gruppen.emplace_back(saver.optionVerzeichnisse.begin(), saver.optionVerzeichnisse.end());
  const auto zweiter = [&](size_t g) { return int(g % gruppen[g].size()); };
  for (size_t g = 0; g < gruppen.size(); ++g) gruppen[g][zweiter(g)]->click();
  for (size_t g = 0; g < gruppen.size(); g += 2) gruppen[g][0]->click();
  std::vector<bool> ist, soll;
  for (size_t g = 0; g < gruppen.size(); ++g)
    for (size_t k = 0; k < gruppen[g].size(); ++k)
      ist.push_back(gruppen[g][k]->isChecked()), soll.push_back(int(k) == (g % 2 ? zweiter(g) : 0));
  EXPECT_EQ(ist, soll);
}

// Only a left click counts, and a click does not change a lamp's state.
TEST_F(SaverBedienung, KlickAufTexteLogoUndLampe) {
  zeigen();
  QSignalSpy verfahren(&saver, &Saver::infoVerfahrenGeklickt), logo(&saver, &Saver::logoGeklickt);
  const auto klick = [this](QWidget* w, Qt::MouseButton knopf) {
    QTest::mouseClick(w, knopf);
    warten();
    return std::pair(saver.ssTab->currentIndex(), saver.ssTabOptionen->currentIndex());
  };
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    saver.ssTab->setCurrentIndex(0);
    const int o = (i + 2) % 5;
    saver.ssTabOptionen->setCurrentIndex(o);
    QWidget *ort = saver.labelOrtInfo.at(i), *verfahrenText = saver.aufgabe.at(i).infoVerfahren;
    const QList<std::pair<int, int>> seiten{klick(ort, Qt::RightButton), klick(ort, Qt::LeftButton),
                                            klick(verfahrenText, Qt::RightButton), klick(verfahrenText, Qt::LeftButton)};
    EXPECT_EQ(seiten, (QList<std::pair<int, int>>{{0, o}, {i + 1, o}, {i + 1, o}, {Saver::kSeiteVerfahren, i}}));
  }
  EXPECT_EQ(static_cast<QList<QVariantList>&>(verfahren), (QList<QVariantList>{{0}, {1}, {2}, {3}, {4}}));
  Lampe* lampe = saver.aufgabe.at(0).pruefLampe;
  lampe->setzeZustand(Z::Gelb);
  QSignalSpy geklickt(lampe, &Lampe::geklickt);
  saver.ssTab->setCurrentIndex(1);
  klick(lampe, Qt::RightButton);
  klick(lampe, Qt::LeftButton);
  klick(saver.logo, Qt::LeftButton);
  EXPECT_EQ(std::tuple(geklickt.size(), lampe->zustand(), logo.size()), std::tuple(1, Z::Gelb, 1));
}

TEST_F(SaverBedienung, LampeZeigtJedenZustandInSeinerFarbeUndZeichnetNeu) {
  Lampe lampe;
  lampe.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lampe));
  EXPECT_EQ(lampe.zustand(), Z::Grau) << "neu ist sie grau";
  // Right of and below the centre: the highlight sits upper left.
  const auto mitte = [&lampe] { return lampe.grab().toImage().pixelColor(10, 10); };
  Maler maler;
  lampe.installEventFilter(&maler);
  // Grey has no hue (-1); the last change back to grey must redraw as well.
  const std::tuple<Z, int, int> farben[] = {{Z::Gruen, 130, 25}, {Z::Gelb, 50, 12}, {Z::Rot, 0, 10}, {Z::Grau, -1, 0}};
  for (const auto& [zustand, farbton, spanne] : farben) {
    maler.anzahl = 0;
    lampe.setzeZustand(zustand);
    EXPECT_TRUE(QTest::qWaitFor([&] { return maler.anzahl > 0; }, 5000)) << "kein Neuzeichnen";
    const int abstand = std::abs(mitte().hsvHue() - farbton);
    EXPECT_LE(std::min(abstand, 360 - abstand), spanne) << mitte().hsvHue();
  }
}

// At the smallest size every page is whole, no scrolling; the dates scroll with their entries.
TEST_F(SaverBedienung, KleinstesFensterZeigtJedeSeiteGanz) {
  zeigen(saver.minimumSize());
  for (int k = 0; k < saver.ssTab->count(); ++k) {
    saver.ssTab->setCurrentIndex(k);
    warten();
    const auto* seite = qobject_cast<QScrollArea*>(saver.ssTab->widget(k));
    EXPECT_EQ(std::pair(seite->horizontalScrollBar()->isVisible(), seite->verticalScrollBar()->isVisible()),
              std::pair(false, false))
        << "Seite " << k;
  }
  AufgabenSeite& a = saver.aufgabe.at(1);
  for (int n = 0; n < 200; ++n) {
    a.txtSichernGesamt->addItem(u"/home/anna/Daten/"_s + QString::number(n) + u"/*.*"_s);
    a.txtSichernDaten->addItem(u"05. Dez. 2026"_s);
  }
  saver.ssTab->setCurrentIndex(2);
  warten();
  QScrollBar *eintraege = a.txtSichernGesamt->verticalScrollBar(), *daten = a.txtSichernDaten->verticalScrollBar();
  daten->setValue(60);
  const int mitgerollt = eintraege->value();
  eintraege->setValue(17);  // other tasks' lists stay put
  EXPECT_EQ(std::tuple(mitgerollt, daten->value(), saver.aufgabe.at(0).txtSichernDaten->verticalScrollBar()->value()),
            std::tuple(60, 17, 0));
}
