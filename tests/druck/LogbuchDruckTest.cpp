#include "DruckUmgebung.h"
#include "PdfPruefung.h"

#include "ui/LogbuchDruck.h"

#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTimer>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
using namespace bewahrix::test;
namespace d = bewahrix::logbuchdruck;

namespace {

// No CUPS server for this program: the default printer is looked for at a
// socket that does not exist, whatever the machine has set up.
const bool kOhneCups = qputenv("CUPS_SERVER", "/nonexistent-bewahrix/cups.sock") && qunsetenv("PRINTER") &&
                       qunsetenv("LPDEST");

}  // namespace

// Small letters and other places are in beispielTexte(), looked at in the printouts.
TEST(Fehlerzeile, GenauDasWortAnStelle32) {
  const QString kopf = u"05.12.2026 um 14:03:27: "_s;
  EXPECT_TRUE(d::istFehlerzeile(kopf + u"    => Error"_s));
  for (const QString& nein : {kopf + u"   => Error, eine Stelle früher"_s, kopf + u"     => Error, eine Stelle später"_s,
                              kopf + u"    => Erro"_s, QString()})
    EXPECT_FALSE(d::istFehlerzeile(nein)) << nein.toStdString();
}

class PdfDruck : public DruckUmgebung {
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
    druck().cmd_LogbuchPrint_Click();
    ASSERT_TRUE(dialoge.alleGezeigt());
    pruefeBeispielDruck(lesePdf(ausgabe), gezeigteZeilen(), antwort == Antwort::Ja);
  }
}

// Neither an empty logbook nor a cancelled question prints; a printer that
// cannot start says so.
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
}

TEST_F(PdfDruck, OhneCupsServerKeinStandarddrucker) {
  ASSERT_TRUE(kOhneCups);
  EXPECT_EQ(d::standardDrucker(), nullptr);
  schreibe({u"eins"_s});
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
  std::optional<Qt::CursorShape> zeigerImDruck;
  QObject kontext;
  QTimer::singleShot(0, &kontext, [&] {
    const QCursor* zeiger = QGuiApplication::overrideCursor();
    zeigerImDruck = zeiger ? zeiger->shape() : Qt::ArrowCursor;
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
  alles.remove(u' ');
  qsizetype ab = 0;
  for (const QString& z : gezeigteZeilen()) {
    const QString ohneLeer = QString(z).remove(u' ');
    const qsizetype bei = alles.indexOf(ohneLeer, ab);
    ASSERT_GE(bei, ab) << z.toStdString();
    ab = bei + ohneLeer.size();
  }
  EXPECT_TRUE(alles.endsWith(u"GedrucktmitBewahrix"_s));
  EXPECT_EQ(farbigePixel(seiten.first().bild, 0), 0);
}
