#include "lifecycle/Copyright.h"

#include "support/SkriptDialoge.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using bewahrix::Copyright;

namespace {

QString text(const QWidget* fenster, const QString& name) {
  const auto* label = fenster->findChild<QLabel*>(name);
  return label ? label->text() : u"<fehlt: "_s + name + u'>';
}

QIcon einfarbig(Qt::GlobalColor farbe) {
  QPixmap bild(64, 64);
  bild.fill(farbe);
  return QIcon(bild);
}

QColor logoMitte(const Copyright* fenster) {
  const QImage bild = fenster->findChild<QLabel*>(u"ImageLogo"_s)->pixmap().toImage();
  return bild.isNull() ? QColor() : bild.pixelColor(bild.width() / 2, bild.height() / 2);
}

}  // namespace

TEST(CopyrightTest, ZeigtTitelVersionUndKontaktModalAberNichtZuoberst) {
  QWidget hauptfenster;
  hauptfenster.setWindowIcon(einfarbig(Qt::red));
  hauptfenster.show();
  QPointer<Copyright> ueber = bewahrix::zeigeUeber(&hauptfenster);
  ASSERT_TRUE(ueber);
  EXPECT_TRUE(ueber->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), ueber.data());
  EXPECT_FALSE(ueber->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

  EXPECT_EQ(text(ueber, u"txt_Titel(0)"_s), u"Bewahrix"_s);
  EXPECT_EQ(text(ueber, u"txt_Titel(1)"_s), u"Bewahrix"_s);
  EXPECT_EQ(text(ueber, u"roLabel"_s), u" Version 3.02.02"_s);
  EXPECT_EQ(text(ueber, u"Label1(0)"_s), u"Internet"_s);
  EXPECT_EQ(text(ueber, u"Label1(1)"_s), u"Email"_s);
  EXPECT_FALSE(text(ueber, u"txt_Name"_s).isEmpty());
  EXPECT_TRUE(text(ueber, u"roLabel1(0)"_s).endsWith(u".example"_s));
  EXPECT_TRUE(text(ueber, u"roLabel1(1)"_s).contains(u"@"_s));
  EXPECT_EQ(logoMitte(ueber), QColor(Qt::red)) << "das Symbol des Hauptfensters";

  auto* okay = ueber->findChild<QPushButton*>(u"cmdOK"_s);
  ASSERT_NE(okay, nullptr);
  EXPECT_EQ(okay->text(), u"Okay"_s);
  QTest::mouseClick(okay, Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ueber.isNull(); }, 1000));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(hauptfenster.isVisible());
}

TEST(CopyrightTest, LogoFolgtDemHauptfensterBeiJederAktivierung) {
  QWidget hauptfenster;
  hauptfenster.setWindowIcon(einfarbig(Qt::red));
  Copyright ueber(&hauptfenster);
  EXPECT_EQ(logoMitte(&ueber), QColor(Qt::red));
  hauptfenster.setWindowIcon(einfarbig(Qt::blue));
  QEvent aktiviert(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&ueber, &aktiviert);
  EXPECT_EQ(logoMitte(&ueber), QColor(Qt::blue));
}

TEST(CopyrightTest, OhneSymbolDesHauptfenstersDasEigene) {
  ASSERT_TRUE(QApplication::windowIcon().isNull());
  QWidget hauptfenster;
  Copyright ueber(&hauptfenster);
  const QColor mitte = logoMitte(&ueber);
  ASSERT_TRUE(mitte.isValid());
  EXPECT_GT(mitte.alpha(), 0) << "ein sichtbares Bild, kein leeres";
  Copyright ohneEltern;
  EXPECT_TRUE(logoMitte(&ohneEltern).isValid());
}
