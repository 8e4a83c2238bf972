#pragma once

#include "logbook/LogbuchUmgebung.h"
#include "platform/Dialoge.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace bewahrix::test {

// Two error entries, one with "Error" elsewhere and one in small letters.
inline QStringList beispielTexte() {
  return QStringLiteral("<Anfang, Manueller Start>|>>> Aufgabe 1|  ==> /home/anna/Daten/brief.odt|    => Datei kopiert|"
                        "    => Error, Zugriff verweigert|Logbuch.log Error, Datei fehlt|"
                        "    => error, klein geschrieben|    => Error, Datenträger voll|<Ende, Manueller Start>")
      .split(u'|');
}

// The question before printing, with Ja as the default button.
inline Meldung frageRot() {
  return {QStringLiteral("Wünschen Sie, das Error Meldungen im Logbuch Rot gedruckt werden?"),
          QStringLiteral("Bewahrix"), Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};
}

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
// Pixels in bereich (points; empty: the page) clearly red (kanal 0) or blue (2).
int farbigePixel(const QImage& bild, int kanal, const QRectF& bereich = {});

// beispielTexte() on one page, blue header; with rot the "    => Error" lines red, only they.
void pruefeBeispielDruck(const QList<PdfSeite>& seiten, const QStringList& gezeigt, bool rot);

}  // namespace bewahrix::test
