#include "DruckUmgebung.h"
#include "PdfPruefung.h"

#include "ui/LogbuchDruck.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QThread>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;

namespace {

QString warteschlange() {
  QProcess p;
  p.start(u"lpstat"_s, {u"-o"_s});
  p.waitForFinished(30000);
  return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Runs only through cups.sh, which starts the server, sets up the cups-pdf
// queue "PDF" as the default and names the folder its files land in. An
// empty logbook and a missing default printer: LogbuchDruckTest.
using CupsDruck = DruckUmgebung;

}  // namespace

// Through the default queue, red and black: only that queue leads to its files.
TEST_F(CupsDruck, RoteFehlerzeilenNurAufWunsch) {
  ASSERT_FALSE(qEnvironmentVariableIsEmpty("BEWAHRIX_PDF_ORDNER")) << "nur über tests/druck/cups.sh";
  const QDir ordner(qEnvironmentVariable("BEWAHRIX_PDF_ORDNER"));
  schreibe(beispielTexte());
  for (const Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
    SCOPED_TRACE(antwort == Antwort::Ja ? "rot" : "schwarz");
    dialoge.erwarte(frageRot(), antwort);
    dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
    LogbuchDruck(*modell, dialoge).cmd_LogbuchPrint_Click();
    ASSERT_TRUE(dialoge.alleGezeigt());
    // Until the queue is empty and cups-pdf has written its one file.
    QStringList pdfs;
    for (const QDeadlineTimer frist(std::chrono::seconds(90)); !frist.hasExpired(); QThread::msleep(200)) {
      pdfs = ordner.entryList({u"*.pdf"_s}, QDir::Files);
      if (!pdfs.isEmpty() && warteschlange().isEmpty()) break;
    }
    ASSERT_EQ(pdfs.size(), 1) << "Warteschlange: " << warteschlange().toStdString();
    pruefeBeispielDruck(lesePdf(ordner.filePath(pdfs.first())), gezeigteZeilen(), antwort == Antwort::Ja);
    QFile::remove(ordner.filePath(pdfs.first()));  // each print is looked at alone
  }
}
