#include "DruckUmgebung.h"
#include "PdfPruefung.h"

#include "ui/LogbuchDruck.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QThread>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;

// Runs only through cups.sh, which starts the server, sets up the cups-pdf
// queue "PDF" as the default and names the folder its files land in.
namespace {

const QString kFrage = u"Wünschen Sie, das Error Meldungen im Logbuch Rot gedruckt werden?"_s;

QString lpstat(const QStringList& argumente) {
  QProcess p;
  p.start(u"lpstat"_s, argumente);
  p.waitForFinished(30000);
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

class CupsDruck : public DruckUmgebung {
 protected:
  void SetUp() override {
    DruckUmgebung::SetUp();
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("CUPS_SERVER")) << "nur über tests/druck/cups.sh";
    ordner = qEnvironmentVariable("BEWAHRIX_PDF_ORDNER");
    ASSERT_FALSE(ordner.isEmpty()) << "nur über tests/druck/cups.sh";
    // Each test looks only at its own job.
    for (const QString& alt : QDir(ordner).entryList(QDir::Files)) QFile::remove(QDir(ordner).filePath(alt));
  }

  // Prints with the given answer to the colour question, as the button does.
  void druckeMitAntwort(Antwort antwort) {
    dialoge.erwarte({kFrage, u"Bewahrix"_s, Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja}, antwort);
    dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
    LogbuchDruck(*modell, dialoge).cmd_LogbuchPrint_Click();
    ASSERT_TRUE(dialoge.alleGezeigt());
  }

  // Waits until the queue is empty and cups-pdf has written its one file.
  QString fertigesPdf() {
    const QDeadlineTimer frist(std::chrono::seconds(90));
    QStringList pdfs;
    while (!frist.hasExpired()) {
      pdfs = QDir(ordner).entryList({u"*.pdf"_s}, QDir::Files);
      if (lpstat({u"-o"_s}).trimmed().isEmpty() && !pdfs.isEmpty()) break;
      QThread::msleep(200);
    }
    EXPECT_EQ(pdfs.size(), 1) << "Warteschlange: " << lpstat({u"-o"_s}).toStdString();
    return pdfs.isEmpty() ? QString() : QDir(ordner).filePath(pdfs.first());
  }

  QString ordner;
};

}  // namespace

TEST_F(CupsDruck, DerStandarddruckerIstDieCupsPdfWarteschlange) {
  const auto drucker = logbuchdruck::standardDrucker();
  ASSERT_NE(drucker, nullptr);
  EXPECT_EQ(drucker->printerName(), u"PDF"_s);
  EXPECT_EQ(drucker->outputFormat(), QPrinter::NativeFormat);
}

TEST_F(CupsDruck, MitRotenFehlerzeilen) {
  schreibe(beispielTexte());
  druckeMitAntwort(Antwort::Ja);
  const QString pdf = fertigesPdf();
  ASSERT_FALSE(pdf.isEmpty());
  const QList<PdfSeite> seiten = lesePdf(pdf);
  ASSERT_EQ(seiten.size(), 1);

  QStringList erwartet{u"Logbuch von Bewahrix"_s};
  for (const QString& z : gezeigteZeilen()) erwartet.append(z.simplified());
  erwartet << u"Gedruckt mit Bewahrix"_s << u"Bewahrix – Seite 1"_s;
  EXPECT_EQ(alleZeilen(seiten), erwartet);

  const PdfSeite& seite = seiten.first();
  ASSERT_EQ(seite.zeilen.size(), erwartet.size());
  EXPECT_GT(blauePixel(seite.bild, seite.zeilen.at(0).box), 20);
  int rotInFehlerzeilen = 0;
  for (int i = 0; i < modell->rowCount(); ++i) {
    const int rot = rotePixel(seite.bild, seite.zeilen.at(i + 1).box);
    // The two "    => Error, " entries of the example, nothing else.
    if (i == 4 || i == 7) {
      EXPECT_GT(rot, 20) << i;
      rotInFehlerzeilen += rot;
    } else {
      EXPECT_EQ(rot, 0) << i;
    }
  }
  EXPECT_EQ(rotePixel(seite.bild), rotInFehlerzeilen);
}

TEST_F(CupsDruck, OhneRotKeinRoterPunkt) {
  schreibe(beispielTexte());
  druckeMitAntwort(Antwort::Nein);
  const QString pdf = fertigesPdf();
  ASSERT_FALSE(pdf.isEmpty());
  const QList<PdfSeite> seiten = lesePdf(pdf);
  ASSERT_EQ(seiten.size(), 1);
  EXPECT_EQ(alleZeilen(seiten).size(), modell->rowCount() + 3);
  EXPECT_EQ(rotePixel(seiten.first().bild), 0);
  EXPECT_GT(blauePixel(seiten.first().bild), 20);
}

TEST_F(CupsDruck, LeeresLogbuchSchicktKeinenAuftrag) {
  const QString vorher = lpstat({u"-W"_s, u"all"_s, u"-o"_s});
  modell->neuLaden();
  dialoge.erwarte(information(u"Das Logbuch ist leer."_s));
  LogbuchDruck(*modell, dialoge).cmd_LogbuchPrint_Click();
  // A job is handed over before the click returns: none came.
  EXPECT_EQ(lpstat({u"-W"_s, u"all"_s, u"-o"_s}), vorher);
  EXPECT_TRUE(QDir(ordner).entryList(QDir::Files).isEmpty());
}

// cups.sh runs this one alone, after removing the queue.
TEST_F(CupsDruck, KeinStandarddrucker) {
  EXPECT_EQ(logbuchdruck::standardDrucker(), nullptr);
  schreibe({u"eins"_s});
  dialoge.erwarte(information(u"Es ist kein Standarddrucker eingerichtet."_s));
  LogbuchDruck(*modell, dialoge).cmd_LogbuchPrint_Click();
}
