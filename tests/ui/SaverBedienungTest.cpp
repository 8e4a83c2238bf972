// What the window does by itself: exclusive option groups, clickable texts
// and lamps, the minimum size and which controls follow the window's edges.

#include "support/SaverUmgebung.h"

#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using SaverBedienung = test::SaverUmgebung;
using Z = Lampe::Zustand;

int gewaehlt(const std::vector<QRadioButton*>& knoepfe) {
  int gefunden = -1;
  for (int k = 0; k < int(knoepfe.size()); ++k)
    if (knoepfe.at(k)->isChecked()) gefunden = gefunden == -1 ? k : -2;
  return gefunden;  // -1 none, -2 more than one
}

// Counts the paint events a widget receives.
class Maler : public QObject {
 public:
  int anzahl = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    anzahl += e->type() == QEvent::Paint;
    return false;
  }
};

}  // namespace

// Each task's copy modes, the schedule's task, its kind and the directory
// option are groups of their own: a click in one leaves the others alone.
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
  for (size_t g = 0; g < gruppen.size(); ++g) EXPECT_EQ(gewaehlt(gruppen[g]), g % 2 ? zweiter(g) : 0) << g;
}

// Only a left click counts, and a click does not change a lamp's state.
TEST_F(SaverBedienung, KlickAufTexteLogoUndLampe) {
  zeigen();
  QSignalSpy verfahren(&saver, &Saver::infoVerfahrenGeklickt);
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    saver.ssTab->setCurrentIndex(i + 1);
    saver.ssTabOptionen->setCurrentIndex((i + 2) % 5);
    warten();
    QTest::mouseClick(saver.aufgabe.at(i).infoVerfahren, Qt::RightButton);
    EXPECT_EQ(saver.ssTab->currentIndex(), i + 1);
    QTest::mouseClick(saver.aufgabe.at(i).infoVerfahren, Qt::LeftButton);
    EXPECT_EQ(saver.ssTab->currentIndex(), Saver::kSeiteVerfahren);
    EXPECT_EQ(saver.ssTabOptionen->currentIndex(), i);
    ASSERT_EQ(verfahren.size(), i + 1);
    EXPECT_EQ(verfahren.at(i).at(0).toInt(), i);
  }
  for (int i = 4; i >= 0; --i) {
    saver.ssTab->setCurrentIndex(0);
    warten();
    QTest::mouseClick(saver.labelOrtInfo.at(i), Qt::LeftButton);
    EXPECT_EQ(saver.ssTab->currentIndex(), i + 1);
  }
  QSignalSpy logo(&saver, &Saver::logoGeklickt);
  QTest::mouseClick(saver.logo, Qt::LeftButton);
  EXPECT_EQ(logo.size(), 1);

  Lampe* lampe = saver.aufgabe.at(0).pruefLampe;
  lampe->setzeZustand(Z::Gelb);
  QSignalSpy geklickt(lampe, &Lampe::geklickt);
  QTest::mouseClick(lampe, Qt::RightButton);
  EXPECT_EQ(geklickt.size(), 0);
  QTest::mouseClick(lampe, Qt::LeftButton);
  EXPECT_EQ(geklickt.size(), 1);
  EXPECT_EQ(lampe->zustand(), Z::Gelb);
}

TEST_F(SaverBedienung, LampeZeigtJedenZustandInSeinerFarbeUndZeichnetNeu) {
  Lampe lampe;
  lampe.resize(lampe.sizeHint());
  lampe.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lampe));
  // Right of and below the centre: the highlight sits upper left.
  const auto mitte = [&lampe] {
    const QImage bild = lampe.grab().toImage();
    return bild.pixelColor(bild.width() * 5 / 8, bild.height() * 5 / 8);
  };
  EXPECT_EQ(lampe.zustand(), Z::Grau) << "neu ist sie grau";
  EXPECT_LT(mitte().hsvSaturation(), 40);
  EXPECT_GT(mitte().value(), 100);
  Maler maler;
  lampe.installEventFilter(&maler);
  const std::tuple<Z, int, int> farben[] = {{Z::Gruen, 130, 25}, {Z::Gelb, 50, 12}, {Z::Rot, 0, 10}};
  for (const auto& [zustand, farbton, spanne] : farben) {
    maler.anzahl = 0;
    lampe.setzeZustand(zustand);
    EXPECT_EQ(lampe.zustand(), zustand);
    EXPECT_TRUE(QTest::qWaitFor([&] { return maler.anzahl > 0; }, 1000)) << "kein Neuzeichnen";
    const int abstand = std::abs(mitte().hsvHue() - farbton);
    EXPECT_LE(std::min(abstand, 360 - abstand), spanne) << mitte().hsvHue();
    EXPECT_GT(mitte().alpha(), 250) << "ausgefüllt";
  }
  // The outline is darker than the filling; the corners are not painted red.
  const QImage bild = lampe.grab().toImage();
  EXPECT_LT(bild.pixelColor(1, bild.height() / 2).value(), mitte().value() * 3 / 4);
  EXPECT_NE(bild.pixelColor(0, 0), mitte());
}

// At the smallest size a page may scroll down, never sideways: no control
// is cut off at the right edge.
TEST_F(SaverBedienung, KleinstesFensterOhneSeitlichesRollen) {
  zeigen({525, 396});
  saver.resize(100, 100);
  warten();
  EXPECT_EQ(saver.size(), QSize(525, 396));
  EXPECT_EQ(saver.minimumSize(), QSize(525, 396)) << "der Inhalt schiebt die Grenze nicht hinaus";
  for (int k = 0; k < saver.ssTab->count(); ++k) {
    saver.ssTab->setCurrentIndex(k);
    warten();
    auto* seite = qobject_cast<QScrollArea*>(saver.ssTab->widget(k));
    ASSERT_NE(seite, nullptr);
    EXPECT_FALSE(seite->horizontalScrollBar()->isVisible()) << "Seite " << k;
  }
}

namespace {

enum Anker : unsigned {
  Rechts = 1,    // keeps its distance to the right edge
  Unten = 2,     // keeps its distance to the bottom edge
  Breite = 4,    // grows by as much as the window
  Hoehe = 8,
  Breiter = 16,  // grows, by a share of the window's growth
};

}  // namespace

// Measured on every page at one size, then again after the window has grown
// while another page was shown: each page is laid out when it is switched to.
TEST_F(SaverBedienung, SteuerelementeFolgenDenFensterkanten) {
  const auto rahmen = [this](const QString& name) { return saver.findChild<QGroupBox*>(name); };
  std::map<int, std::vector<std::pair<QWidget*, unsigned>>> seiten;
  const std::vector<std::pair<QWidget*, unsigned>> allgemein = {
      {saver.ssTab, Breite | Hoehe}, {saver.cmdEnde, Rechts | Unten}, {saver.cmdMinimize, Rechts | Unten},
      {saver.logo, Unten},           {saver.hilfe, Unten | Breite}};
  seiten[0] = {{rahmen(u"Frame(5)"_s), Breite}, {saver.labelOrtInfo.at(2), Breite},
               {saver.inhaltAuftraege.at(2), Rechts}};
  for (int i = 0; i < Saver::kAufgaben; ++i) {
    const AufgabenSeite& a = saver.aufgabe.at(i);
    const QString n = u'(' + QString::number(i) + u')';
    seiten[i + 1] = {
        {rahmen(u"Frame"_s + n), Breite | Hoehe}, {a.txtSichernGesamt, Breite | Hoehe}, {a.titelText, Breite},
        {rahmen(u"FrameZiel"_s + n), Unten | Breite}, {a.txtSicherungsVerzeichnis, Unten | Breite},
        {a.txtSichernDaten, Rechts | Hoehe}, {a.infoVerfahren, Rechts | Unten}, {a.cmdKopieStart, Rechts | Unten},
        {a.cmdVerzeichnisSpeichern, Rechts | Unten}, {a.statusZiel, Rechts | Unten}, {a.cmdPfadLesen, Unten},
        {a.pruefLampe, Rechts}, {a.cmdUeberschrift, Rechts}, {a.cmdVerzeichnisSuchen, Rechts}, {a.cmdSuchen, Rechts},
        {a.cmdDazu, Rechts}, {a.cmdIgnorier, Rechts}, {a.cmdLoeschen, Rechts}, {a.cmdLoeschenAlles, Rechts},
        {a.txtZuSichern, Breite}, {a.cmdInfo, {}}};
  }
  seiten[6] = {{saver.ssTabOptionen, Breite}};
  seiten[7] = {{rahmen(u"Frame(6)"_s), Breite}, {saver.infoTimer.at(4), Breiter},
               {saver.cmdAutoSave.at(0), Breiter}, {saver.cmdAutoSave.at(1), Breiter | Rechts}};
  seiten[8] = {{saver.logbuch, Breite | Hoehe}, {saver.cmdOrtLocgbuch, Unten}, {saver.cmdLogPfad, Unten},
               {saver.cmdAktualisieren, Unten}, {saver.cmdLogbuchSuchen, Unten}, {saver.cmdLogbuchClear, {}},
               {saver.labelLogbuch, {}},         {saver.statusLogbuch, {}}};

  const auto vermessen = [&] {
    std::map<QWidget*, QRect> lagen;
    for (const auto& [k, liste] : seiten) {
      saver.ssTab->setCurrentIndex(k);
      warten();
      for (const auto& gruppe : {liste, allgemein})
        for (const auto& [w, anker] : gruppe) lagen[w] = QRect(w->mapTo(&saver, QPoint()), w->size());
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

  const auto pruefe = [&](QWidget* w, unsigned anker) {
    SCOPED_TRACE(w->objectName().toStdString());
    const QRect a = vorher.at(w);
    const QRect b = nachher.at(w);
    if (anker & Rechts) {
      EXPECT_EQ(b.right() - a.right(), 240) << "hält Abstand zum rechten Rand";
    } else if (!(anker & Breiter)) {
      EXPECT_EQ(b.left(), a.left()) << "bleibt links stehen";
    }
    if (anker & Unten) {
      EXPECT_EQ(b.bottom() - a.bottom(), 130) << "hält Abstand zum unteren Rand";
    } else {
      EXPECT_EQ(b.top(), a.top()) << "bleibt oben stehen";
    }
    if (anker & Breiter) {
      EXPECT_GT(b.width(), a.width());
    } else {
      EXPECT_EQ(b.width() - a.width(), (anker & Breite) ? 240 : 0);
    }
    EXPECT_EQ(b.height() - a.height(), (anker & Hoehe) ? 130 : 0);
  };
  for (const auto& [w, anker] : allgemein) pruefe(w, anker);
  for (const auto& [k, liste] : seiten)
    for (const auto& [w, anker] : liste) pruefe(w, anker);
}

TEST_F(SaverBedienung, EintraegeUndDatenRollenGemeinsam) {
  zeigen();
  AufgabenSeite& a = saver.aufgabe.at(1);
  for (int n = 0; n < 200; ++n) {
    a.txtSichernGesamt->addItem(u"/home/anna/Daten/"_s + QString::number(n) + u"/*.*"_s);
    a.txtSichernDaten->addItem(u"05. Dez. 2026"_s);
  }
  saver.ssTab->setCurrentIndex(2);
  warten();
  a.txtSichernDaten->verticalScrollBar()->setValue(60);
  EXPECT_EQ(a.txtSichernGesamt->verticalScrollBar()->value(), 60);
  a.txtSichernGesamt->verticalScrollBar()->setValue(17);
  EXPECT_EQ(a.txtSichernDaten->verticalScrollBar()->value(), 17);
  EXPECT_EQ(saver.aufgabe.at(0).txtSichernDaten->verticalScrollBar()->value(), 0) << "andere Aufgaben nicht";
}
