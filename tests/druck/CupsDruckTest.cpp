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
    leereOrdner();
  }
  // Each print is looked at alone.
  void leereOrdner() {
    for (const QString& alt : QDir(ordner).entryList(QDir::Files)) QFile::remove(QDir(ordner).filePath(alt));
  }

  // Prints with the given answer to the colour question, as the button does.
  void druckeMitAntwort(Antwort antwort) {
    dialoge.erwarte(frageRot(), antwort);
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

TEST_F(CupsDruck, RoteFehlerzeilenNurAufWunsch) {
  schreibe(beispielTexte());
  for (const Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
    SCOPED_TRACE(antwort == Antwort::Ja ? "rot" : "schwarz");
    leereOrdner();
    druckeMitAntwort(antwort);
    const QString pdf = fertigesPdf();
    ASSERT_FALSE(pdf.isEmpty());
    pruefeBeispielDruck(lesePdf(pdf), gezeigteZeilen(), antwort == Antwort::Ja);
  }
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
