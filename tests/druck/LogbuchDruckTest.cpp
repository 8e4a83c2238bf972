#include "logbook/LogbuchUmgebung.h"
#include "ui/LogbuchDruck.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QThread>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;
namespace d = bewahrix::logbuchdruck;

namespace {

// Red is "    => Error" at column 32 only: not one column early or late, nor in small letters.
const QStringList kBeispiel = u"<Anfang, Manueller Start>|    => Error, Zugriff verweigert|   => Error, eine Stelle früher|"
                              u"     => Error, eine Stelle später|    => error, klein geschrieben"_s.split(u'|');

const Meldung kFrageRot{u"Wünschen Sie, das Error Meldungen im Logbuch Rot gedruckt werden?"_s, u"Bewahrix"_s,
                        Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};

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

// The printout as poppler reads it back: per page its text top down and the part of it in red. Without blanks:
// poppler splits lines at gaps and ligatures and sets blanks of its own.
using PdfSeite = std::pair<QString, QString>;
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
  QList<PdfSeite> seiten;
  for (auto& seite : stuecke) {
    std::sort(seite.begin(), seite.end());
    PdfSeite& gelesen = seiten.emplace_back();
    for (const auto& [top, links, farbe, text] : seite) {
      const QString t = ohneBlanks(text.normalized(QString::NormalizationForm_KC));
      gelesen.first += t;
      if (farbe == u"#ff0000") gelesen.second += t;
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

class PdfDruck : public LogbuchUmgebung {
 protected:
  LogbuchDruck druck() {
    return LogbuchDruck(*modell, dialoge, [this] {
      auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
      drucker->setOutputFileName(ausgabe);  // ".pdf": a PDF file instead of paper
      return drucker;
    });
  }

  QString ausgabe = pfad(u"druck.pdf"_s);
};

// Many lines over several pages, some of them wrapped; each page ends with its footer.
TEST_F(PdfDruck, SeitenInReihenfolgeUndRoteFehlerzeilenNurAufWunsch) {
  for (const QString& text : kBeispiel) logbuch->eintrag(text, SonstigeMeldung);
  for (int i = 0; i < 260; ++i)
    logbuch->eintrag(u"Zeile "_s + QString::number(i) + (i % 50 == 7 ? u" lang "_s + QString(80, u'x') : QString()), SonstigeMeldung);
  modell->neuLaden();
  const QString alleZeilen = ohneBlanks(u"Logbuch von Bewahrix"_s + zeilen().join(QString()) + u"Gedruckt mit Bewahrix"_s);
  const QString rot = ohneBlanks(zeilen().at(1));
  for (const Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
    SCOPED_TRACE(antwort == Antwort::Ja ? "rot" : "schwarz");
    QFile::remove(ausgabe);
    dialoge.erwarte(kFrageRot, antwort);
    dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
    (kOhneCups ? druck() : LogbuchDruck(*modell, dialoge)).cmd_LogbuchPrint_Click();
    const QList<PdfSeite> seiten = kOhneCups ? lesePdf(ausgabe) : ausCups();
    ASSERT_GE(seiten.size(), 4);
    PdfSeite alles;
    for (int s = 0; s < seiten.size(); ++s) {
      const QString fuss = ohneBlanks(d::fusszeile(s + 1));
      EXPECT_TRUE(seiten[s].first.endsWith(fuss)) << "Seite " << s + 1;
      alles.first += seiten[s].first.chopped(std::min(fuss.size(), seiten[s].first.size()));
      alles.second += seiten[s].second;
    }
    EXPECT_EQ(alles, PdfSeite(alleZeilen, antwort == Antwort::Ja ? rot : QString()));
  }
}
