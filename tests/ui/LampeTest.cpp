#include "ui/Lampe.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace bewahrix;
using Z = Lampe::Zustand;

namespace {

// Counts the paint events a widget receives.
class Maler : public QObject {
 public:
  int anzahl = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++anzahl;
    return false;
  }
};

QColor mitte(Lampe& lampe) {
  const QImage bild = lampe.grab().toImage();
  // Right of and below the centre: the highlight sits upper left.
  return bild.pixelColor(bild.width() * 5 / 8, bild.height() * 5 / 8);
}

}  // namespace

TEST(Lampe, ZeigtJedenZustandInSeinerFarbe) {
  Lampe lampe;
  lampe.resize(lampe.sizeHint());
  EXPECT_EQ(lampe.zustand(), Z::Grau) << "neu ist sie grau";
  EXPECT_LE(lampe.sizeHint().width(), 20);
  EXPECT_GE(lampe.sizeHint().width(), 12);

  const QColor grau = mitte(lampe);
  EXPECT_LT(grau.hsvSaturation(), 40);
  EXPECT_GT(grau.value(), 100);

  lampe.setzeZustand(Z::Gruen);
  EXPECT_EQ(lampe.zustand(), Z::Gruen);
  EXPECT_NEAR(mitte(lampe).hsvHue(), 130, 25);

  lampe.setzeZustand(Z::Gelb);
  EXPECT_EQ(lampe.zustand(), Z::Gelb);
  EXPECT_NEAR(mitte(lampe).hsvHue(), 50, 12);

  lampe.setzeZustand(Z::Rot);
  EXPECT_EQ(lampe.zustand(), Z::Rot);
  const int rot = mitte(lampe).hsvHue();
  EXPECT_TRUE(rot <= 10 || rot >= 350) << rot;
  for (const QColor& f : {grau, mitte(lampe)}) EXPECT_GT(f.alpha(), 250) << "ausgefüllt";

  // The outline is darker than the filling; the corners are not painted red.
  const QImage bild = lampe.grab().toImage();
  const QColor rand = bild.pixelColor(1, bild.height() / 2);
  EXPECT_LT(rand.value(), mitte(lampe).value() * 3 / 4);
  EXPECT_NE(bild.pixelColor(0, 0), mitte(lampe));
}

TEST(Lampe, ZeichnetBeiWechselNeu) {
  Lampe lampe;
  lampe.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lampe));
  QCoreApplication::processEvents();
  Maler maler;
  lampe.installEventFilter(&maler);
  lampe.setzeZustand(Z::Rot);
  EXPECT_TRUE(QTest::qWaitFor([&] { return maler.anzahl > 0; }, 1000));
}

TEST(Lampe, MeldetNurDenLinkenKlick) {
  Lampe lampe;
  lampe.resize(lampe.sizeHint());
  lampe.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&lampe));
  QSignalSpy spion(&lampe, &Lampe::geklickt);
  QTest::mouseClick(&lampe, Qt::RightButton);
  EXPECT_EQ(spion.size(), 0);
  QTest::mouseClick(&lampe, Qt::LeftButton);
  EXPECT_EQ(spion.size(), 1);
  lampe.setzeZustand(Z::Gelb);
  QTest::mouseClick(&lampe, Qt::LeftButton);
  EXPECT_EQ(spion.size(), 2);
  EXPECT_EQ(lampe.zustand(), Z::Gelb) << "ein Klick ändert den Zustand nicht";
}
