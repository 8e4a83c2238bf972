// What the main window does by itself, without the program behind it.

#include "support/SaverUmgebung.h"

#include <QHelpEvent>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QToolTip>

#include <array>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using SaverBedienung = test::SaverUmgebung;
using Z = Lampe::Zustand;

// Counts the paint events a widget receives.
struct Maler : QObject {
  int anzahl = 0;
  bool eventFilter(QObject*, QEvent* e) override { return (anzahl += e->type() == QEvent::Paint, false); }
};

}  // namespace

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
    EXPECT_GT(mitte().alpha(), 250) << "ausgefüllt";
  }
  // The outline is darker than the filling; the corners are not painted.
  const QImage bild = lampe.grab().toImage();
  EXPECT_LT(bild.pixelColor(1, 8).value(), mitte().value() * 3 / 4);
  EXPECT_NE(bild.pixelColor(0, 0), mitte());
}

// At the smallest size every page is whole, no scrolling; the dates scroll with their entries.
TEST_F(SaverBedienung, KleinstesFensterZeigtJedeSeiteGanz) {
  zeigen(saver.minimumSize());
  saver.resize(100, 100);
  warten();
  EXPECT_EQ(std::tuple(saver.size(), saver.minimumSize().expandedTo({525, 396})),
            std::tuple(saver.minimumSize(), saver.minimumSize()));
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

// Grown by 240 x 130 while another page was shown: each page is laid out when shown.
TEST_F(SaverBedienung, SteuerelementeFolgenDenFensterkanten) {
  const AufgabenSeite& a = saver.aufgabe.at(1);
  const auto rahmen = [this](const QString& name) { return saver.findChild<QGroupBox*>(name); };
  // How far the left, top, right and bottom edge move; -1: by a share of the growth.
  using Kanten = std::array<int, 4>;
  const Kanten fest{}, rechts{240, 0, 240, 0}, unten{0, 130, 0, 130}, ecke{240, 130, 240, 130},
      breit{0, 0, 240, 0}, ganz{0, 0, 240, 130};
  const std::tuple<int, QWidget*, Kanten> faelle[] = {
      {0, saver.ssTab, ganz}, {0, saver.cmdEnde, ecke}, {0, saver.logo, unten}, {0, saver.hilfe, {0, 130, 240, 130}},
      {0, rahmen(u"Frame(5)"_s), breit}, {0, saver.inhaltAuftraege.at(2), rechts},
      {2, rahmen(u"Frame(1)"_s), ganz}, {2, a.txtSichernGesamt, ganz}, {2, a.titelText, breit},
      {2, rahmen(u"FrameZiel(1)"_s), {0, 130, 240, 130}}, {2, a.txtSichernDaten, {240, 0, 240, 130}},
      {2, a.cmdKopieStart, ecke}, {2, a.statusZiel, ecke}, {2, a.cmdPfadLesen, unten}, {2, a.pruefLampe, rechts},
      {2, a.cmdLoeschenAlles, rechts}, {2, a.txtZuSichern, breit}, {2, a.cmdInfo, fest},
      {6, saver.ssTabOptionen, breit}, {7, rahmen(u"Frame(6)"_s), breit},
      {7, saver.infoTimer.at(4), {-1, 0, -1, 0}}, {7, saver.cmdAutoSave.at(1), {-1, 0, 240, 0}},
      {8, saver.logbuch, ganz}, {8, saver.cmdLogPfad, unten}, {8, saver.cmdLogbuchClear, fest}};
  const auto vermessen = [&] {
    std::map<QWidget*, QRect> lagen;
    for (const auto& [seite, w, kanten] : faelle) {
      saver.ssTab->setCurrentIndex(seite);
      warten();
      lagen[w] = QRect(w->mapTo(&saver, QPoint()), w->size());
    }
    return lagen;
  };
  // Large enough that no page scrolls, so every pixel of growth reaches it.
  zeigen({820, 660});
  const auto vorher = vermessen();
  saver.ssTab->setCurrentIndex(8);
  saver.resize(saver.size() + QSize(240, 130));
  warten();
  const auto nachher = vermessen();
  for (const auto& [seite, w, soll] : faelle) {
    SCOPED_TRACE(w->objectName().toStdString());
    const QRect v = vorher.at(w), n = nachher.at(w);
    Kanten ist{n.left() - v.left(), n.top() - v.top(), n.right() - v.right(), n.bottom() - v.bottom()};
    EXPECT_TRUE(soll[0] >= 0 || n.width() > v.width()) << "wächst mit";
    for (int k = 0; k < 4; ++k) ist[k] = soll[k] < 0 ? -1 : ist[k];
    EXPECT_EQ(ist, soll);
  }
}

// At the first start every tab shows, and so does a help text; a longer one takes two lines, then "…" with the
// whole text as the tooltip. The line keeps its height. (Any size from the minimum up shows every page whole.)
TEST_F(SaverBedienung, ErsterStartZeigtJedenReiterUndDieHilfezeileKuerztSichtbar) {
  zeigen(saver.ersteGroesse());
  const QTabBar* reiter = saver.ssTab->tabBar();
  EXPECT_LE(reiter->tabRect(reiter->count() - 1).right(), reiter->width()) << "Reiter hinter dem Rollpfeil";
  const int hoehe = saver.hilfe->height();
  const QString kurz = u" Grün = keine Fehler, Rot = letzter automatischer Kopiervorgang Fehlerhaft"_s;
  for (const QString& text : {kurz, kurz.repeated(4)}) {
    const bool lang = text != kurz;
    SCOPED_TRACE(lang ? "lang" : "kurz");
    saver.hilfe->setText(text);
    const auto [zeilen, gekuerzt] = saver.hilfe->angezeigt();
    QHelpEvent frage(QEvent::ToolTip, QPoint(2, 2), saver.hilfe->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(saver.hilfe, &frage);
    // A text that fits is shown whole.
    EXPECT_EQ(std::tuple(gekuerzt, zeilen.count(u'\n') <= 1,
                         lang ? zeilen.endsWith(u'…') : zeilen.simplified() == text.simplified(),
                         saver.hilfe->height(), QToolTip::isVisible() ? QToolTip::text() : QString()),
              std::tuple(lang, true, true, hoehe, lang ? text : QString()));
  }
}
