// What the window does by itself: exclusive option groups, page navigation,
// the minimum size and which controls follow the window's edges.

#include "support/SkriptDialoge.h"  // readable QStrings in failures
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QGroupBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class SaverBedienung : public ::testing::Test {
 protected:
  void zeigen(QSize groesse = {800, 640}) {
    saver.resize(groesse);
    saver.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&saver));
    warten();
  }
  void warten() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  Saver saver;
};

int gewaehlt(const std::vector<QRadioButton*>& knoepfe) {
  int gefunden = -1;
  for (int k = 0; k < int(knoepfe.size()); ++k)
    if (knoepfe.at(k)->isChecked()) gefunden = gefunden == -1 ? k : -2;
  return gefunden;  // -1 none, -2 more than one
}

}  // namespace

TEST_F(SaverBedienung, JedeAufgabeWaehltIhrVerfahrenFuerSich) {
  const auto modi = [&](int i) {
    return std::vector<QRadioButton*>(saver.optionSoll.begin() + 6 * i, saver.optionSoll.begin() + 6 * i + 6);
  };
  for (int i = 0; i < 5; ++i) saver.optionSoll.at(6 * i + i)->click();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(gewaehlt(modi(i)), i) << "Aufgabe " << i + 1;
  saver.optionSoll.at(6 * 2 + 5)->click();
  saver.optionSoll.at(6 * 2 + 0)->click();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(gewaehlt(modi(i)), i == 2 ? 0 : i) << "Aufgabe " << i + 1;
}

TEST_F(SaverBedienung, AufgabeUndArtDesZeitplansSchliessenEinanderNichtAus) {
  const std::vector<QRadioButton*> aufgaben(saver.optionTimerAufgabe.begin(), saver.optionTimerAufgabe.end());
  const std::vector<QRadioButton*> arten(saver.optionTime.begin(), saver.optionTime.end());
  const std::vector<QRadioButton*> tiefe(saver.optionVerzeichnisse.begin(), saver.optionVerzeichnisse.end());
  saver.optionTimerAufgabe.at(3)->click();
  saver.optionTime.at(1)->click();
  saver.optionVerzeichnisse.at(0)->click();
  saver.optionSoll.at(4)->click();
  EXPECT_EQ(gewaehlt(aufgaben), 3);
  EXPECT_EQ(gewaehlt(arten), 1);
  EXPECT_EQ(gewaehlt(tiefe), 0);
  saver.optionTime.at(4)->click();
  saver.optionTimerAufgabe.at(0)->click();
  saver.optionVerzeichnisse.at(1)->click();
  EXPECT_EQ(gewaehlt(aufgaben), 0);
  EXPECT_EQ(gewaehlt(arten), 4);
  EXPECT_EQ(gewaehlt(tiefe), 1);
  EXPECT_TRUE(saver.optionSoll.at(4)->isChecked());
}

TEST_F(SaverBedienung, MappeOeffnetIhreSeite) {
  for (int k : {8, 3, 0, 6, 1, 7, 5, 2, 4}) {
    saver.mappe.at(k)->trigger();
    EXPECT_EQ(saver.ssTab->currentIndex(), k);
  }
}

TEST_F(SaverBedienung, KlickAufVerfahrenstextZeigtDieKnoepfeDerAufgabe) {
  zeigen();
  QSignalSpy spion(&saver, &Saver::infoVerfahrenGeklickt);
  for (int i = 0; i < 5; ++i) {
    saver.ssTab->setCurrentIndex(i + 1);
    saver.ssTabOptionen->setCurrentIndex((i + 2) % 5);
    warten();
    QLabel* info = saver.aufgabe.at(i).infoVerfahren;
    QTest::mouseClick(info, Qt::RightButton);
    EXPECT_EQ(saver.ssTab->currentIndex(), i + 1) << "nur die linke Taste";
    QTest::mouseClick(info, Qt::LeftButton);
    EXPECT_EQ(saver.ssTab->currentIndex(), 6);
    EXPECT_EQ(saver.ssTabOptionen->currentIndex(), i);
    ASSERT_EQ(spion.size(), i + 1);
    EXPECT_EQ(spion.at(i).at(0).toInt(), i);
  }
}

TEST_F(SaverBedienung, KlickAufUebersichtOeffnetDieAufgabe) {
  zeigen();
  for (int i = 4; i >= 0; --i) {
    saver.ssTab->setCurrentIndex(0);
    warten();
    QTest::mouseClick(saver.labelOrtInfo.at(i), Qt::LeftButton);
    EXPECT_EQ(saver.ssTab->currentIndex(), i + 1);
  }
}

TEST_F(SaverBedienung, KlickAufLogoMeldetSich) {
  zeigen();
  QSignalSpy spion(&saver, &Saver::logoGeklickt);
  QTest::mouseClick(saver.logo, Qt::RightButton);
  EXPECT_EQ(spion.size(), 0);
  QTest::mouseClick(saver.logo, Qt::LeftButton);
  EXPECT_EQ(spion.size(), 1);
}

TEST_F(SaverBedienung, FensterWirdNichtKleinerAls525Mal396) {
  zeigen({525, 396});
  saver.resize(100, 100);
  warten();
  EXPECT_EQ(saver.size(), QSize(525, 396));
  saver.resize(400, 900);
  warten();
  EXPECT_EQ(saver.size(), QSize(525, 900));
  EXPECT_EQ(saver.minimumSize(), QSize(525, 396)) << "der Inhalt schiebt die Grenze nicht hinaus";
}

// At the smallest size a page may scroll down, never sideways: no control
// is cut off at the right edge.
TEST_F(SaverBedienung, KeineSeiteMussBeiKleinsterBreiteSeitlichRollen) {
  zeigen({525, 396});
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
  Rechts = 1,       // keeps its distance to the right edge
  Unten = 2,        // keeps its distance to the bottom edge
  Breite = 4,       // grows by as much as the window
  Hoehe = 8,
  Breiter = 16,     // grows, by a share of the window's growth
};

struct Lage {
  QRect r;
  QSize fenster;
};

}  // namespace

// Measured on every page at one size, then again after the window has grown
// while another page was shown: each page is laid out when it is switched to.
TEST_F(SaverBedienung, SteuerelementeFolgenDenFensterkanten) {
  std::map<int, std::vector<std::pair<QWidget*, unsigned>>> seiten;
  const auto allgemein = std::vector<std::pair<QWidget*, unsigned>>{
      {saver.ssTab, Breite | Hoehe},
      {saver.cmdEnde, Rechts | Unten},
      {saver.cmdMinimize, Rechts | Unten},
      {saver.logo, Unten},
      {saver.hilfe, Unten | Breite},
  };
  seiten[0] = {{saver.findChild<QGroupBox*>(u"Frame(5)"_s), Breite},
               {saver.labelOrtInfo.at(2), Breite},
               {saver.inhaltAuftraege.at(2), Rechts}};
  for (int i = 0; i < 5; ++i) {
    const AufgabenSeite& a = saver.aufgabe.at(i);
    seiten[i + 1] = {
        {saver.findChild<QGroupBox*>(u"Frame("_s + QString::number(i) + u')'), Breite | Hoehe},
        {a.txtSichernGesamt, Breite | Hoehe},
        {a.txtSichernDaten, Rechts | Hoehe},
        {a.pruefLampe, Rechts},
        {a.cmdUeberschrift, Rechts},
        {a.titelText, Breite},
        {saver.findChild<QGroupBox*>(u"FrameZiel("_s + QString::number(i) + u')'), Unten | Breite},
        {a.infoVerfahren, Rechts | Unten},
        {a.cmdKopieStart, Rechts | Unten},
        {a.txtSicherungsVerzeichnis, Unten | Breite},
        {a.cmdVerzeichnisSpeichern, Rechts | Unten},
        {a.statusZiel, Rechts | Unten},
        {a.cmdVerzeichnisSuchen, Rechts},
        {a.cmdSuchen, Rechts},
        {a.cmdDazu, Rechts},
        {a.cmdIgnorier, Rechts},
        {a.cmdLoeschen, Rechts},
        {a.cmdLoeschenAlles, Rechts},
        {a.cmdInfo, {}},
        {a.cmdPfadLesen, Unten},
        {a.txtZuSichern, Breite},
    };
  }
  seiten[6] = {{saver.ssTabOptionen, Breite}};
  seiten[7] = {{saver.findChild<QGroupBox*>(u"Frame(6)"_s), Breite},
               {saver.infoTimer.at(4), Breiter},
               {saver.cmdAutoSave.at(0), Breiter},
               {saver.cmdAutoSave.at(1), Breiter | Rechts}};
  seiten[8] = {{saver.logbuch, Breite | Hoehe},
               {saver.cmdOrtLocgbuch, Unten},
               {saver.cmdLogPfad, Unten},
               {saver.cmdLogbuchClear, {}},
               {saver.cmdAktualisieren, Unten},
               {saver.cmdLogbuchSuchen, Unten},
               {saver.labelLogbuch, {}},
               {saver.statusLogbuch, {}}};

  const auto vermessen = [&] {
    std::map<QWidget*, QRect> lagen;
    for (const auto& [k, liste] : seiten) {
      saver.ssTab->setCurrentIndex(k);
      warten();
      for (const auto& [w, anker] : liste) lagen[w] = QRect(w->mapTo(&saver, QPoint()), w->size());
      for (const auto& [w, anker] : allgemein) lagen[w] = QRect(w->mapTo(&saver, QPoint()), w->size());
    }
    return lagen;
  };

  // Large enough that no page scrolls, so every pixel of growth reaches it.
  zeigen({820, 660});
  const QSize klein = saver.size();
  const auto vorher = vermessen();
  saver.ssTab->setCurrentIndex(8);
  saver.resize(klein + QSize(240, 130));
  warten();
  const int dx = saver.width() - klein.width();
  const int dy = saver.height() - klein.height();
  ASSERT_EQ(dx, 240);
  ASSERT_EQ(dy, 130);
  const auto nachher = vermessen();

  const auto pruefe = [&](QWidget* w, unsigned anker) {
    SCOPED_TRACE(w->objectName().toStdString());
    const QRect a = vorher.at(w);
    const QRect b = nachher.at(w);
    if (anker & Rechts) {
      EXPECT_EQ(b.right() - a.right(), dx) << "hält Abstand zum rechten Rand";
    } else if (!(anker & Breiter)) {
      EXPECT_EQ(b.left(), a.left()) << "bleibt links stehen";
    }
    if (anker & Unten) {
      EXPECT_EQ(b.bottom() - a.bottom(), dy) << "hält Abstand zum unteren Rand";
    } else {
      EXPECT_EQ(b.top(), a.top()) << "bleibt oben stehen";
    }
    if (anker & Breite) {
      EXPECT_EQ(b.width() - a.width(), dx);
    } else if (anker & Breiter) {
      EXPECT_GT(b.width(), a.width());
    } else {
      EXPECT_EQ(b.width(), a.width());
    }
    EXPECT_EQ(b.height() - a.height(), (anker & Hoehe) ? dy : 0);
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
  ASSERT_GT(a.txtSichernDaten->verticalScrollBar()->maximum(), 60);
  a.txtSichernDaten->verticalScrollBar()->setValue(60);
  EXPECT_EQ(a.txtSichernGesamt->verticalScrollBar()->value(), 60);
  a.txtSichernGesamt->verticalScrollBar()->setValue(17);
  EXPECT_EQ(a.txtSichernDaten->verticalScrollBar()->value(), 17);
  EXPECT_EQ(saver.aufgabe.at(0).txtSichernDaten->verticalScrollBar()->value(), 0) << "andere Aufgaben nicht";
}
