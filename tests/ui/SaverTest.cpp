// The main window by itself, without the program behind it: its composition, as far as other parts rely on
// it, and what it does.

#include "support/SaverUmgebung.h"

#include <QMenuBar>
#include <QSignalSpy>

#include <span>
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
  for (const auto& [m, namen] : menues) EXPECT_EQ(eintraege(m), namen) << m->objectName().toStdString();
  EXPECT_EQ(saver.bewahrixFormer->parent(), &saver);
}

// Every option group for itself: a click picks one of its own buttons and leaves the other groups alone.
TEST_F(SaverBedienung, JedeOptionsgruppeFuerSich) {
  std::vector<std::span<QRadioButton* const>> gruppen;
  for (int i = 0; i < Saver::kAufgaben; ++i) gruppen.push_back(std::span(saver.optionSoll).subspan(6 * i, 6));
  gruppen.insert(gruppen.end(), {saver.optionTimerAufgabe, saver.optionTime, saver.optionVerzeichnisse});
  for (const auto& gruppe : gruppen) gruppe.back()->click();
  for (const auto& gruppe : gruppen) gruppe.front()->click();
  for (size_t g = 0; g < gruppen.size(); ++g)
    for (size_t k = 0; k < gruppen[g].size(); ++k)
      EXPECT_EQ(gruppen[g][k]->isChecked(), k == 0) << "Gruppe " << g << ", Knopf " << k;
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
    EXPECT_EQ(seiten, (QList<std::pair<int, int>>{{0, o}, {i + 1, o}, {i + 1, o}, {Saver::kSeiteVerfahren, i}}))
        << "Aufgabe " << i + 1;
  }
  EXPECT_EQ(static_cast<QList<QVariantList>&>(verfahren), (QList<QVariantList>{{0}, {1}, {2}, {3}, {4}}));
  Lampe* lampe = saver.aufgabe.at(0).pruefLampe;
  lampe->setzeZustand(Lampe::Zustand::Gelb);
  QSignalSpy geklickt(lampe, &Lampe::geklickt);
  saver.ssTab->setCurrentIndex(1);
  klick(lampe, Qt::RightButton);
  klick(lampe, Qt::LeftButton);
  klick(saver.logo, Qt::LeftButton);
  EXPECT_EQ(std::tuple(geklickt.size(), lampe->zustand(), logo.size()), std::tuple(1, Lampe::Zustand::Gelb, 1));
}
