#include "logbook/LogbuchUmgebung.h"
#include "ui/LogbuchDruck.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <QXmlStreamReader>

#include <algorithm>

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

// The printout as poppler reads it back: per page its lines, top down, with the colours of their text.
struct PdfZeile { QString text; QSet<QString> farben; };
using PdfSeite = QList<PdfZeile>;
const QString kRot = u"#ff0000"_s;

QByteArray laufe(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    ADD_FAILURE() << programm.toStdString() << " scheiterte: " << p.readAllStandardError().toStdString();
    return {};
  }
  return p.readAllStandardOutput();
}

QString ohneBlanks(QString text) { return text.remove(u' '); }

QList<PdfSeite> lesePdf(const QString& pfad) {
  QList<QList<std::tuple<int, int, QString, QString>>> stuecke;  // per page: top, left, colour, text
  QHash<QString, QString> farben;  // of each font
  QXmlStreamReader xml(laufe(u"pdftohtml"_s, {u"-xml"_s, u"-i"_s, u"-q"_s, u"-stdout"_s, pfad}));
  while (!xml.atEnd()) {
    xml.readNext();
    const QXmlStreamAttributes a = xml.attributes();
    const auto wert = [&a](const QString& name) { return a.value(name).toString(); };
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"page")
      stuecke.emplace_back();
    else if (xml.name() == u"fontspec")
      farben.insert(wert(u"id"_s), wert(u"color"_s));
    else if (xml.name() == u"text" && !stuecke.isEmpty())
      stuecke.last().append(std::tuple(wert(u"top"_s).toInt(), wert(u"left"_s).toInt(), farben.value(wert(u"font"_s)),
                                       xml.readElementText(QXmlStreamReader::IncludeChildElements)));
  }
  // poppler splits lines at gaps and ligatures and sets blanks of its own: one top, one line, no blanks.
  QList<PdfSeite> seiten;
  for (auto& seite : stuecke) {
    std::sort(seite.begin(), seite.end());
    PdfSeite& zeilen = seiten.emplace_back();
    int oben = -100;
    for (const auto& [top, links, farbe, text] : seite) {
      if (text.trimmed().isEmpty()) continue;
      if (std::abs(top - oben) >= 3) {
        zeilen.emplace_back();
        oben = top;
      }
      zeilen.last().text += ohneBlanks(text.normalized(QString::NormalizationForm_KC));
      zeilen.last().farben.insert(farbe);
    }
  }
  return seiten;
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
    QStringList erwartet = QStringList{u"Logbuch von Bewahrix"_s} + zeilen(), gedruckt;
    erwartet << u"Gedruckt mit Bewahrix"_s << d::fusszeile(1);
    std::transform(erwartet.begin(), erwartet.end(), erwartet.begin(), ohneBlanks);
    for (const PdfZeile& z : seiten.first()) gedruckt.append(z.text);
    ASSERT_EQ(gedruckt, erwartet);
    for (int i = 0; i < gedruckt.size(); ++i)
      EXPECT_EQ(seiten.first().at(i).farben.contains(kRot), antwort == Antwort::Ja && (i == 5 || i == 8)) << i;
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
    for (const PdfZeile& z : seiten[s]) {
      alles += z.text;
      EXPECT_FALSE(z.farben.contains(kRot)) << z.text.toStdString();
    }
    EXPECT_TRUE(alles.endsWith(ohneBlanks(d::fusszeile(s + 1)))) << s;
    alles.chop(ohneBlanks(d::fusszeile(s + 1)).size());
  }
  const QString erwartet = u"Logbuch von Bewahrix"_s + zeilen().join(QString()) + u"Gedruckt mit Bewahrix"_s;
  EXPECT_EQ(alles, ohneBlanks(erwartet));
}
