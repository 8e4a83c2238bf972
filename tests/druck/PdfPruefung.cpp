#include "PdfPruefung.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::test {

namespace {

// Fine enough that thin strokes keep their full colour.
constexpr int kPixelJePunkt = 2;

QByteArray laufe(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    ADD_FAILURE() << programm.toStdString() << " scheiterte: " << p.readAllStandardError().toStdString();
    return {};
  }
  return p.readAllStandardOutput();
}

int zaehle(const QImage& bild, const QRectF& bereich, const std::function<bool(QColor)>& passt) {
  const QRectF pixel(bereich.topLeft() * kPixelJePunkt, bereich.bottomRight() * kPixelJePunkt);
  const QRect r = bereich.isEmpty() ? bild.rect() : pixel.toAlignedRect().intersected(bild.rect());
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (passt(bild.pixelColor(x, y))) ++n;
  return n;
}

// poppler splits a printed line where blanks leave a gap and keeps
// ligatures: pieces on one baseline become one line again, in plain letters.
void zusammenfuegen(QList<PdfZeile>& zeilen) {
  std::stable_sort(zeilen.begin(), zeilen.end(), [](const PdfZeile& a, const PdfZeile& b) {
    if (std::abs(a.box.top() - b.box.top()) >= 2) return a.box.top() < b.box.top();
    return a.box.left() < b.box.left();
  });
  QList<PdfZeile> ganz;
  for (PdfZeile& z : zeilen) {
    z.text = z.text.normalized(QString::NormalizationForm_KC);
    if (!ganz.isEmpty() && std::abs(ganz.last().box.top() - z.box.top()) < 2) {
      ganz.last().text += u' ' + z.text;
      ganz.last().box |= z.box;
    } else {
      ganz.append(z);
    }
  }
  zeilen = ganz;
}

}  // namespace

QList<PdfSeite> lesePdf(const QString& pfad) {
  QList<PdfSeite> seiten;
  // Lines with their boxes, page by page.
  QXmlStreamReader xml(laufe(u"pdftotext"_s, {u"-bbox-layout"_s, pfad, u"-"_s}));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto a = xml.attributes();
    const auto zahl = [&a](const QString& name) { return a.value(name).toDouble(); };
    if (xml.name() == u"page") {
      seiten.append(PdfSeite{});
    } else if (xml.name() == u"line" && !seiten.isEmpty()) {
      const QPointF links(zahl(u"xMin"_s), zahl(u"yMin"_s));
      const QPointF rechts(zahl(u"xMax"_s), zahl(u"yMax"_s));
      seiten.last().zeilen.append(PdfZeile{QString(), QRectF(links, rechts)});
    } else if (xml.name() == u"word" && !seiten.isEmpty() && !seiten.last().zeilen.isEmpty()) {
      QString& text = seiten.last().zeilen.last().text;
      if (!text.isEmpty()) text += u' ';
      text += xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  for (PdfSeite& seite : seiten) zusammenfuegen(seite.zeilen);
  QTemporaryDir ordner;
  for (int i = 0; i < seiten.size(); ++i) {
    const QString bild = ordner.filePath(u"seite"_s + QString::number(i + 1));
    const QString nummer = QString::number(i + 1);
    laufe(u"pdftoppm"_s, {u"-r"_s, QString::number(72 * kPixelJePunkt), u"-png"_s, u"-singlefile"_s, u"-f"_s, nummer, u"-l"_s, nummer, pfad, bild});
    seiten[i].bild = QImage(bild + u".png"_s).convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(seiten[i].bild.isNull()) << "Seite " << i + 1;
  }
  return seiten;
}

QStringList alleZeilen(const QList<PdfSeite>& seiten) {
  QStringList alle;
  for (const auto& s : seiten)
    for (const auto& z : s.zeilen) alle.append(z.text);
  return alle;
}

int rotePixel(const QImage& bild, const QRectF& bereich) {
  return zaehle(bild, bereich, [](QColor c) { return c.red() > 150 && c.red() - std::max(c.green(), c.blue()) > 80; });
}

int blauePixel(const QImage& bild, const QRectF& bereich) {
  return zaehle(bild, bereich, [](QColor c) { return c.blue() > 150 && c.blue() - std::max(c.red(), c.green()) > 80; });
}

void pruefeBeispielDruck(const QList<PdfSeite>& seiten, const QStringList& gezeigt, bool rot) {
  ASSERT_EQ(seiten.size(), 1);
  QStringList erwartet{u"Logbuch von Bewahrix"_s};
  for (const QString& z : gezeigt) erwartet.append(z.simplified());
  erwartet << u"Gedruckt mit Bewahrix"_s << u"Bewahrix – Seite 1"_s;
  ASSERT_EQ(alleZeilen(seiten), erwartet);

  const PdfSeite& seite = seiten.first();
  EXPECT_GT(blauePixel(seite.bild, seite.zeilen.at(0).box), 20);
  EXPECT_EQ(rotePixel(seite.bild, seite.zeilen.at(0).box), 0);
  int rotInZeilen = 0;
  for (int i = 0; i < gezeigt.size(); ++i) {
    const PdfZeile& z = seite.zeilen.at(i + 1);
    const int n = rotePixel(seite.bild, z.box);
    if (rot && (i == 4 || i == 7))
      EXPECT_GT(n, 20) << z.text.toStdString();
    else
      EXPECT_EQ(n, 0) << z.text.toStdString();
    rotInZeilen += n;
  }
  EXPECT_EQ(rotePixel(seite.bild), rotInZeilen);
}

}  // namespace bewahrix::test
