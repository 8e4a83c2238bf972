#include "ui/LogbuchDruck.h"

#include "ui/Zeiger.h"

#include "logbook/LogbuchModell.h"

#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace logbuchdruck {

namespace {

// Often enough that the window redraws while a long logbook is painted.
constexpr int kZeilenJeAtempause = 200;

// Arial where it exists; otherwise the system's sans-serif stands in.
QFont schrift(qreal punkt, bool fett, bool kursiv) {
  QFont f(u"Arial"_s);
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(punkt);
  f.setBold(fett);
  f.setItalic(kursiv);
  return f;
}

// Lays lines out from the top of the page down and starts a new page, with
// its footer, whenever the next line would not fit.
class Seiten {
 public:
  Seiten(QPrinter& drucker, QPainter& maler) : drucker_(drucker), maler_(maler) {
    const QRect flaeche = drucker.pageLayout().paintRectPixels(drucker.resolution());
    breite_ = flaeche.width();
    hoehe_ = flaeche.height();
    maler_.setFont(fussSchrift());
    fussHoehe_ = maler_.fontMetrics().height() * 2;
  }

  void zeile(const QString& text, const QFont& font, const QColor& farbe) {
    maler_.setFont(font);
    maler_.setPen(farbe);
    // Long lines wrap instead of running off the paper.
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere;
    const QRectF noetig = maler_.boundingRect(QRectF(0, 0, breite_, hoehe_), kFlags, text);
    const qreal h = std::max(noetig.height(), QFontMetricsF(maler_.font(), maler_.device()).height());
    if (y_ > 0 && y_ + h > hoehe_ - fussHoehe_) {
      fuss();
      drucker_.newPage();
      ++seite_;
      y_ = 0;
    }
    maler_.drawText(QRectF(0, y_, breite_, h), kFlags, text);
    y_ += h;
  }

  void fuss() {
    maler_.setFont(fussSchrift());
    maler_.setPen(Qt::black);
    maler_.drawText(QRectF(0, hoehe_ - fussHoehe_, breite_, fussHoehe_), Qt::AlignHCenter | Qt::AlignBottom,
                    fusszeile(seite_));
  }

 private:
  static QFont fussSchrift() { return schrift(8, false, false); }

  QPrinter& drucker_;
  QPainter& maler_;
  qreal breite_ = 0;
  qreal hoehe_ = 0;
  qreal fussHoehe_ = 0;
  qreal y_ = 0;
  int seite_ = 1;
};

}  // namespace

bool istFehlerzeile(const QString& zeile) { return QStringView(zeile).mid(31, 5) == u"Error"; }

QString fusszeile(int seite) { return u"Bewahrix – Seite "_s + QString::number(seite); }

std::unique_ptr<QPrinter> standardDrucker() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool drucke(QPrinter& drucker, const LogbuchModell& modell, bool rot) {
  drucker.setDocName(QStringView(kUeberschrift).toString().trimmed());
  drucker.setColorMode(QPrinter::Color);
  drucker.setPageMargins(QMarginsF(20, 15, 15, 12), QPageLayout::Millimeter);
  QPainter maler;
  if (!maler.begin(&drucker)) return false;
  Seiten seiten(drucker, maler);
  const QColor schwarz(0, 0, 0);
  seiten.zeile(u" "_s, schrift(14, true, true), schwarz);
  seiten.zeile(QStringView(kUeberschrift).toString(), schrift(14, true, true), QColor(0, 0, 255));
  seiten.zeile(u" "_s, schrift(14, false, true), schwarz);
  const QFont normal = schrift(10, false, false);
  const int anzahl = modell.rowCount();
  for (int row = 0; row < anzahl; ++row) {
    const QString zeile = modell.zeile(row);
    seiten.zeile(u"  "_s + zeile, normal, rot && istFehlerzeile(zeile) ? QColor(255, 0, 0) : schwarz);
    if ((row + 1) % kZeilenJeAtempause == 0) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  seiten.zeile(u" "_s, normal, schwarz);
  seiten.zeile(QStringView(kSchlusszeile).toString(), schrift(5, false, false), schwarz);
  seiten.fuss();
  return maler.end();
}

}  // namespace logbuchdruck

LogbuchDruck::LogbuchDruck(const LogbuchModell& modell, Dialoge& dialoge)
    : LogbuchDruck(modell, dialoge, logbuchdruck::standardDrucker) {}

LogbuchDruck::LogbuchDruck(const LogbuchModell& modell, Dialoge& dialoge, DruckerWahl wahl)
    : modell_(modell), dialoge_(dialoge), wahl_(std::move(wahl)) {}

void LogbuchDruck::cmd_LogbuchPrint_Click() {
  if (modell_.rowCount() == 0) {
    dialoge_.zeige(information(u"Das Logbuch ist leer."_s));
    return;
  }
  // Asked before the colour question: without a printer that answer is moot.
  std::unique_ptr<QPrinter> drucker = wahl_();
  if (!drucker) {
    dialoge_.zeige(information(u"Es ist kein Standarddrucker eingerichtet."_s));
    return;
  }
  const Antwort antwort = dialoge_.zeige(
      {u"Wünschen Sie, das Error Meldungen im Logbuch Rot gedruckt werden?"_s, u"Bewahrix"_s, Symbol::Frage,
       Knoepfe::JaNeinAbbrechen, Antwort::Ja});
  if (antwort == Antwort::Abbrechen) return;

  const bool gedruckt = [&] {
    const Zeiger zeiger(Qt::WaitCursor);
    return logbuchdruck::drucke(*drucker, modell_, antwort == Antwort::Ja);
  }();
  if (gedruckt)
    dialoge_.zeige(information(u"Druckauftrag fertig."_s, u"OK"_s));
  else
    dialoge_.zeige({u"Das Logbuch konnte nicht gedruckt werden."_s, u"Bewahrix"_s, Symbol::Ausrufezeichen});
}

}  // namespace bewahrix
