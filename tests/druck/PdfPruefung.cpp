#include "PdfPruefung.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

// poppler splits lines at gaps and keeps ligatures: one baseline, one plain line.
void zusammenfuegen(QList<PdfZeile>& zeilen) {
  std::stable_sort(zeilen.begin(), zeilen.end(), [](const PdfZeile& a, const PdfZeile& b) {
    return std::abs(a.box.top() - b.box.top()) >= 2 ? a.box.top() < b.box.top() : a.box.left() < b.box.left();
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
    const auto zahl = [a = xml.attributes()](const QString& name) { return a.value(name).toDouble(); };
    if (xml.name() == u"page") {
      seiten.append(PdfSeite{});
    } else if (xml.name() == u"line" && !seiten.isEmpty()) {
      const QRectF box(QPointF(zahl(u"xMin"_s), zahl(u"yMin"_s)), QPointF(zahl(u"xMax"_s), zahl(u"yMax"_s)));
      seiten.last().zeilen.append(PdfZeile{QString(), box});
    } else if (xml.name() == u"word" && !seiten.isEmpty() && !seiten.last().zeilen.isEmpty()) {
      QString& text = seiten.last().zeilen.last().text;
      text += (text.isEmpty() ? QString() : u" "_s) + xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  QTemporaryDir ordner;
  for (int i = 0; i < seiten.size(); ++i) {
    zusammenfuegen(seiten[i].zeilen);
    const QString bild = ordner.filePath(u"seite"_s + QString::number(i + 1));
    const QString nummer = QString::number(i + 1);
    laufe(u"pdftoppm"_s, {u"-r"_s, QString::number(72 * kPixelJePunkt), u"-png"_s, u"-singlefile"_s, u"-f"_s,
                          nummer, u"-l"_s, nummer, pfad, bild});
    seiten[i].bild = QImage(bild + u".png"_s).convertToFormat(QImage::Format_RGB32);
    EXPECT_FALSE(seiten[i].bild.isNull()) << "Seite " << i + 1;
  }
  return seiten;
}

int farbigePixel(const QImage& bild, int kanal, const QRectF& bereich) {
  const QRectF pixel(bereich.topLeft() * kPixelJePunkt, bereich.bottomRight() * kPixelJePunkt);
  const QRect r = bereich.isEmpty() ? bild.rect() : pixel.toAlignedRect().intersected(bild.rect());
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = bild.pixelColor(x, y);
      const int werte[] = {c.red(), c.green(), c.blue()};
      const int andere = std::max(werte[(kanal + 1) % 3], werte[(kanal + 2) % 3]);
      n += werte[kanal] > 150 && werte[kanal] - andere > 80;
    }
  return n;
}

void pruefeBeispielDruck(const QList<PdfSeite>& seiten, const QStringList& gezeigt, bool rot) {
  ASSERT_EQ(seiten.size(), 1);
  const PdfSeite& seite = seiten.first();
  QStringList erwartet{u"Logbuch von Bewahrix"_s};
  for (const QString& z : gezeigt) erwartet.append(z.simplified());
  erwartet << u"Gedruckt mit Bewahrix"_s << u"Bewahrix – Seite 1"_s;
  QStringList gedruckt;
  for (const PdfZeile& z : seite.zeilen) gedruckt.append(z.text);
  ASSERT_EQ(gedruckt, erwartet);

  EXPECT_GT(farbigePixel(seite.bild, 2, seite.zeilen.at(0).box), 20) << "blaue Überschrift";
  int rotInZeilen = 0;
  for (int i = 0; i <= gezeigt.size(); ++i) {
    const int n = farbigePixel(seite.bild, 0, seite.zeilen.at(i).box);
    if (rot && (i == 5 || i == 8))
      EXPECT_GT(n, 20) << seite.zeilen.at(i).text.toStdString();
    else
      EXPECT_EQ(n, 0) << seite.zeilen.at(i).text.toStdString();
    rotInZeilen += n;
  }
  EXPECT_EQ(farbigePixel(seite.bild, 0), rotInZeilen);
}

}  // namespace bewahrix::test
