#include "logbook/LogbuchUmgebung.h"
#include "ui/LogbuchDruck.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;
namespace d = bewahrix::logbuchdruck;

namespace {

// Two error entries, one with "Error" elsewhere and one in small letters.
const QStringList kBeispiel =
    u"<Anfang, Manueller Start>|>>> Aufgabe 1|  ==> /home/anna/Daten/brief.odt|    => Datei kopiert|"
         u"    => Error, Zugriff verweigert|Logbuch.log Error, Datei fehlt|"
         u"    => error, klein geschrieben|    => Error, Datenträger voll|<Ende, Manueller Start>"_s.split(u'|');

const Meldung kFrageRot{u"Wünschen Sie, das Error Meldungen im Logbuch Rot gedruckt werden?"_s, u"Bewahrix"_s,
                        Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};

// The printout as poppler's tools see it: text lines with their boxes in points.
struct PdfZeile { QString text; QRectF box; };
struct PdfSeite { QList<PdfZeile> zeilen; QImage bild; };

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
QList<PdfZeile> zusammengefuegt(QList<PdfZeile> zeilen) {
  std::stable_sort(zeilen.begin(), zeilen.end(), [](const PdfZeile& a, const PdfZeile& b) {
    return std::abs(a.box.top() - b.box.top()) >= 2 ? a.box.top() < b.box.top() : a.box.left() < b.box.left();
  });
  QList<PdfZeile> ganz;
  for (PdfZeile& z : zeilen) {
    z.text = z.text.normalized(QString::NormalizationForm_KC).trimmed();
    if (!ganz.isEmpty() && std::abs(ganz.last().box.top() - z.box.top()) < 2) {
      ganz.last().text += u' ' + z.text;
      ganz.last().box |= z.box;
    } else {
      ganz.append(z);
    }
  }
  return ganz;
}

QList<PdfSeite> lesePdf(const QString& pfad) {
  QList<PdfSeite> seiten;
  QXmlStreamReader xml(laufe(u"pdftotext"_s, {u"-bbox-layout"_s, pfad, u"-"_s}));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto zahl = [a = xml.attributes()](const QString& name) { return a.value(name).toDouble(); };
    if (xml.name() == u"page")
      seiten.append(PdfSeite{});
    else if (xml.name() == u"line" && !seiten.isEmpty())
      seiten.last().zeilen.append(PdfZeile{
          QString(), QRectF(QPointF(zahl(u"xMin"_s), zahl(u"yMin"_s)), QPointF(zahl(u"xMax"_s), zahl(u"yMax"_s)))});
    else if (xml.name() == u"word" && !seiten.isEmpty() && !seiten.last().zeilen.isEmpty())
      seiten.last().zeilen.last().text += u' ' + xml.readElementText();
  }
  QTemporaryDir ordner;
  for (int i = 0; i < seiten.size(); ++i) {
    seiten[i].zeilen = zusammengefuegt(seiten[i].zeilen);
    const QString nummer = QString::number(i + 1), bild = ordner.filePath(u"seite"_s + nummer);
    laufe(u"pdftoppm"_s, {u"-r"_s, QString::number(72 * kPixelJePunkt), u"-png"_s, u"-singlefile"_s, u"-f"_s,
                          nummer, u"-l"_s, nummer, pfad, bild});
    seiten[i].bild = QImage(bild + u".png"_s).convertToFormat(QImage::Format_RGB32);
  }
  return seiten;
}

// Pixels in bereich (points; empty: the page) clearly red.
int rotePixel(const QImage& bild, const QRectF& bereich = {}) {
  const QRectF pixel(bereich.topLeft() * kPixelJePunkt, bereich.bottomRight() * kPixelJePunkt);
  const QRect r = bereich.isEmpty() ? bild.rect() : pixel.toAlignedRect().intersected(bild.rect());
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = bild.pixelColor(x, y);
      n += c.red() > 150 && c.red() - std::max(c.green(), c.blue()) > 80;
    }
  return n;
}

// Under cups.sh the default queue writes into BEWAHRIX_PDF_ORDNER; else there is no CUPS.
const QString kCupsOrdner = qEnvironmentVariable("BEWAHRIX_PDF_ORDNER");
const bool kOhneCups = kCupsOrdner.isEmpty() && qputenv("CUPS_SERVER", "/nonexistent-bewahrix/cups.sock") &&
                       qunsetenv("PRINTER") && qunsetenv("LPDEST");

// The one file cups-pdf writes, once the queue is empty; removed after reading.
QList<PdfSeite> ausCups() {
  const auto warteschlange = [] { return laufe(u"lpstat"_s, {u"-o"_s}).trimmed().toStdString(); };
  const QDir ordner(kCupsOrdner);
  QStringList pdfs;
  for (const QDeadlineTimer frist(std::chrono::seconds(90)); !frist.hasExpired(); QThread::msleep(200))
    if (!(pdfs = ordner.entryList({u"*.pdf"_s}, QDir::Files)).isEmpty() && warteschlange().empty()) break;
  EXPECT_EQ(pdfs.size(), 1) << "Warteschlange: " << warteschlange();
  if (pdfs.isEmpty()) return {};
  const QList<PdfSeite> seiten = lesePdf(ordner.filePath(pdfs.first()));
  QFile::remove(ordner.filePath(pdfs.first()));
  return seiten;
}

}  // namespace

TEST(Fehlerzeile, GenauDasWortAnStelle32) {
  const QString kopf = u"05.12.2026 um 14:03:27: "_s;  // "Error" elsewhere and in small letters: the printouts
  EXPECT_TRUE(d::istFehlerzeile(kopf + u"    => Error"_s));
  for (const QString& nein : {kopf + u"   => Error, eine Stelle früher"_s, kopf + u"     => Error, eine Stelle später"_s,
                              kopf + u"    => Erro"_s, QString()})
    EXPECT_FALSE(d::istFehlerzeile(nein)) << nein.toStdString();
}

class PdfDruck : public LogbuchUmgebung {
 protected:
  LogbuchDruck druck() {
    return LogbuchDruck(*modell, dialoge, [this] {
      auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
      drucker->setOutputFileName(ausgabe);  // ".pdf": a PDF file instead of paper
      ++gewaehlt;
      return drucker;
    });
  }
  void schreibe(const QStringList& texte) {
    for (const QString& text : texte) {
      logbuch->eintrag(text, SonstigeMeldung);
      uhr.sekundenWeiter(1);
    }
    modell->neuLaden();
  }

  QString ausgabe = pfad(u"druck.pdf"_s);
  int gewaehlt = 0;
};

TEST_F(PdfDruck, ReihenfolgeUndRoteFehlerzeilenNurAufWunsch) {
  schreibe(kBeispiel);
  for (const Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
    SCOPED_TRACE(antwort == Antwort::Ja ? "rot" : "schwarz");
    QFile::remove(ausgabe);
    dialoge.erwarte(kFrageRot, antwort);
    dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
    (kOhneCups ? druck() : LogbuchDruck(*modell, dialoge)).cmd_LogbuchPrint_Click();
    // One page; red only for the "    => Error" lines, and only if asked.
    const QList<PdfSeite> seiten = kOhneCups ? lesePdf(ausgabe) : ausCups();
    ASSERT_EQ(seiten.size(), 1);
    const PdfSeite& seite = seiten.first();
    QStringList erwartet{u"Logbuch von Bewahrix"_s}, gedruckt;
    for (const QString& z : zeilen()) erwartet.append(z.simplified());
    erwartet << u"Gedruckt mit Bewahrix"_s << u"Bewahrix – Seite 1"_s;
    for (const PdfZeile& z : seite.zeilen) gedruckt.append(z.text);
    ASSERT_EQ(gedruckt, erwartet);
    int rotInZeilen = 0;
    for (int i = 0; i < gedruckt.size() - 2; ++i) {
      const int n = rotePixel(seite.bild, seite.zeilen.at(i).box);
      EXPECT_TRUE(antwort == Antwort::Ja && (i == 5 || i == 8) ? n > 20 : n == 0) << gedruckt[i].toStdString();
      rotInZeilen += n;
    }
    EXPECT_EQ(rotePixel(seite.bild), rotInZeilen);
  }
}

// No print when empty or cancelled; a printer that cannot start or is missing is said; then a long one.
TEST_F(PdfDruck, LeerAbgebrochenUnbeschreibbarUndLang) {
  modell->neuLaden();
  dialoge.erwarte(information(u"Das Logbuch ist leer."_s));
  druck().cmd_LogbuchPrint_Click();
  const int beimLeeren = gewaehlt;
  schreibe({u"eins"_s});
  dialoge.erwarte(kFrageRot, Antwort::Abbrechen);
  druck().cmd_LogbuchPrint_Click();
  EXPECT_EQ(std::tuple(beimLeeren, QFileInfo::exists(ausgabe)), std::tuple(0, false));
  ausgabe = pfad(u"fehlt/druck.pdf"_s);  // in a folder that does not exist
  dialoge.erwarte(kFrageRot, Antwort::Nein);
  dialoge.erwarte({u"Das Logbuch konnte nicht gedruckt werden."_s, u"Bewahrix"_s, Symbol::Ausrufezeichen});
  druck().cmd_LogbuchPrint_Click();
  ASSERT_TRUE(kOhneCups);
  dialoge.erwarte(information(u"Es ist kein Standarddrucker eingerichtet."_s));
  LogbuchDruck(*modell, dialoge).cmd_LogbuchPrint_Click();
  ausgabe = pfad(u"viele.pdf"_s);  // many lines over several pages
  QStringList texte;
  for (int i = 0; i < 260; ++i)
    texte.append(u"Zeile "_s + QString::number(i) + (i % 50 == 7 ? u" lang "_s + QString(80, u'x') : QString()));
  schreibe(texte);
  dialoge.erwarte(kFrageRot, Antwort::Ja);
  dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
  druck().cmd_LogbuchPrint_Click();

  const QList<PdfSeite> seiten = lesePdf(ausgabe);  // every line once, in order; each page ends with its footer
  ASSERT_GE(seiten.size(), 4);
  QString alles;
  for (int s = 0; s < seiten.size(); ++s) {
    for (const PdfZeile& z : seiten[s].zeilen) alles += z.text;
    EXPECT_TRUE(alles.endsWith(d::fusszeile(s + 1))) << s;
    alles.chop(d::fusszeile(s + 1).size());
  }
  const QString erwartet = u"Logbuch von Bewahrix"_s + zeilen().join(QString()) + u"Gedruckt mit Bewahrix"_s;
  EXPECT_EQ(alles.remove(u' '), QString(erwartet).remove(u' '));
  EXPECT_EQ(rotePixel(seiten.first().bild), 0);
}
