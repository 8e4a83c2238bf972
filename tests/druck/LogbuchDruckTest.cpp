#include "PdfPruefung.h"

#include "ui/LogbuchDruck.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QThread>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;
namespace d = bewahrix::logbuchdruck;

namespace {

// Under cups.sh the default queue writes into BEWAHRIX_PDF_ORDNER; else there is no CUPS.
const QString kCupsOrdner = qEnvironmentVariable("BEWAHRIX_PDF_ORDNER");
const bool kOhneCups = kCupsOrdner.isEmpty() && qputenv("CUPS_SERVER", "/nonexistent-bewahrix/cups.sock") &&
                       qunsetenv("PRINTER") && qunsetenv("LPDEST");

// The one file cups-pdf writes, once the queue is empty; removed after reading.
QList<PdfSeite> ausCups() {
  const auto warteschlange = [] {
    QProcess p;
    p.start(u"lpstat"_s, {u"-o"_s});
    p.waitForFinished(30000);
    return p.readAllStandardOutput().trimmed().toStdString();
  };
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

// Small letters and other places are in beispielTexte(), looked at in the printouts.
TEST(Fehlerzeile, GenauDasWortAnStelle32) {
  const QString kopf = u"05.12.2026 um 14:03:27: "_s;
  EXPECT_TRUE(d::istFehlerzeile(kopf + u"    => Error"_s));
  for (const QString& nein : {kopf + u"   => Error, eine Stelle früher"_s, kopf + u"     => Error, eine Stelle später"_s,
                              kopf + u"    => Erro"_s, QString()})
    EXPECT_FALSE(d::istFehlerzeile(nein)) << nein.toStdString();
}

class PdfDruck : public LogbuchUmgebung {
 protected:
  // A printer that writes a PDF file instead of going to paper.
  std::unique_ptr<QPrinter> pdfDrucker() {
    auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    drucker->setOutputFormat(QPrinter::PdfFormat);
    drucker->setOutputFileName(ausgabe);
    ++gewaehlt;
    return drucker;
  }
  LogbuchDruck druck() {
    return LogbuchDruck(*modell, dialoge, [this] { return pdfDrucker(); });
  }
  void schreibe(const QStringList& texte) {
    for (const QString& text : texte) {
      logbuch->eintrag(text, SonstigeMeldung);
      uhr.sekundenWeiter(1);
    }
    modell->neuLaden();
  }
  QStringList gezeigteZeilen() { return zeilen(); }

  QString ausgabe = pfad(u"druck.pdf"_s);
  int gewaehlt = 0;
};

TEST_F(PdfDruck, ReihenfolgeUndRoteFehlerzeilenNurAufWunsch) {
  schreibe(beispielTexte());
  for (const Antwort antwort : {Antwort::Ja, Antwort::Nein}) {
    SCOPED_TRACE(antwort == Antwort::Ja ? "rot" : "schwarz");
    QFile::remove(ausgabe);
    dialoge.erwarte(frageRot(), antwort);
    dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
    (kOhneCups ? druck() : LogbuchDruck(*modell, dialoge)).cmd_LogbuchPrint_Click();
    ASSERT_TRUE(dialoge.alleGezeigt());
    pruefeBeispielDruck(kOhneCups ? lesePdf(ausgabe) : ausCups(), gezeigteZeilen(), antwort == Antwort::Ja);
  }
}

// No print when empty or cancelled; a printer that cannot start or is missing is said.
TEST_F(PdfDruck, LeerAbgebrochenOderUnbeschreibbar) {
  modell->neuLaden();
  dialoge.erwarte(information(u"Das Logbuch ist leer."_s));
  druck().cmd_LogbuchPrint_Click();
  EXPECT_EQ(gewaehlt, 0);
  schreibe({u"eins"_s});
  dialoge.erwarte(frageRot(), Antwort::Abbrechen);
  druck().cmd_LogbuchPrint_Click();
  EXPECT_FALSE(QFileInfo::exists(ausgabe));
  ausgabe = pfad(u"fehlt/druck.pdf"_s);  // in a folder that does not exist
  dialoge.erwarte(frageRot(), Antwort::Nein);
  dialoge.erwarte({u"Das Logbuch konnte nicht gedruckt werden."_s, u"Bewahrix"_s, Symbol::Ausrufezeichen});
  druck().cmd_LogbuchPrint_Click();
  ASSERT_TRUE(kOhneCups);
  dialoge.erwarte(information(u"Es ist kein Standarddrucker eingerichtet."_s));
  LogbuchDruck(*modell, dialoge).cmd_LogbuchPrint_Click();
}

TEST_F(PdfDruck, VieleZeilenUeberMehrereSeitenMitWartezeiger) {
  QStringList texte;
  for (int i = 0; i < 260; ++i)
    texte.append(u"Zeile "_s + QString::number(i) + (i % 50 == 7 ? u" lang "_s + QString(80, u'x') : QString()));
  schreibe(texte);
  dialoge.erwarte(frageRot(), Antwort::Ja);
  dialoge.erwarte(information(u"Druckauftrag fertig."_s, u"OK"_s));
  QList<bool> zeigerBeimZeigen;
  dialoge.beimZeigen = [&] { zeigerBeimZeigen.append(QGuiApplication::overrideCursor() != nullptr); };
  // Runs only if the event loop gets a turn while the lines are painted.
  Qt::CursorShape zeigerImDruck = Qt::BitmapCursor;
  QObject kontext;
  QTimer::singleShot(0, &kontext, [&] {
    if (const QCursor* zeiger = QGuiApplication::overrideCursor()) zeigerImDruck = zeiger->shape();
  });
  druck().cmd_LogbuchPrint_Click();
  EXPECT_EQ(zeigerImDruck, Qt::WaitCursor);
  EXPECT_EQ(zeigerBeimZeigen, (QList<bool>{false, false}));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  const QList<PdfSeite> seiten = lesePdf(ausgabe);
  ASSERT_GE(seiten.size(), 4);
  for (int s = 0; s < seiten.size(); ++s) {
    ASSERT_FALSE(seiten[s].zeilen.isEmpty());
    EXPECT_EQ(seiten[s].zeilen.last().text, d::fusszeile(s + 1));
  }
  // Every line once and in order; long ones wrap but lose nothing.
  QString alles;
  for (const auto& s : seiten)
    for (int i = 0; i + 1 < s.zeilen.size(); ++i) alles += s.zeilen[i].text;
  const QString erwartet = u"Logbuch von Bewahrix"_s + gezeigteZeilen().join(QString()) + u"Gedruckt mit Bewahrix"_s;
  EXPECT_EQ(alles.remove(u' '), QString(erwartet).remove(u' '));
  EXPECT_EQ(farbigePixel(seiten.first().bild, 0), 0);
}
