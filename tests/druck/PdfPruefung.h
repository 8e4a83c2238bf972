#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace bewahrix::test {

// One text line of a PDF page with its box in points.
struct PdfZeile {
  QString text;
  QRectF box;
};

// The printout as poppler's tools see it.
struct PdfSeite {
  QList<PdfZeile> zeilen;
  QImage bild;
};

QList<PdfSeite> lesePdf(const QString& pfad);
// Pixels in bereich (points; the whole page when empty) whose colour clearly
// leans to red (kanal 0) or blue (kanal 2); antialiased edges count too.
int farbigePixel(const QImage& bild, int kanal, const QRectF& bereich = {});

// The printout of beispielTexte() shown as gezeigt: one page with the blue
// header, every shown line in order and the closing lines; with rot the two
// "    => Error, " entries are red and nothing else is.
void pruefeBeispielDruck(const QList<PdfSeite>& seiten, const QStringList& gezeigt, bool rot);

}  // namespace bewahrix::test
