#include "store/Formate.h"

#include <QLocale>
#include <QStringList>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::formate {

namespace {

const QLocale& deutsch() {
  static const QLocale locale(QLocale::German, QLocale::Germany);
  return locale;
}

QString zweistellig(int zahl) { return QString::number(zahl).rightJustified(2, u'0'); }

}  // namespace

QString kurzDatum(const QDate& datum) { return datum.toString(u"dd.MM.yyyy"_s); }

QString langeZeit(const QTime& zeit) { return zeit.toString(u"HH:mm:ss"_s); }

QString stundeMinute(const QTime& zeit) { return zeit.toString(u"HH:mm"_s); }

QString langesDatum(const QDate& datum) { return deutsch().toString(datum, QLocale::LongFormat); }

QString monatKurz(int monat) {
  static const std::array<QString, 12> monate = {u"Jan"_s, u"Feb"_s, u"Mrz"_s, u"Apr"_s,
                                                 u"Mai"_s, u"Jun"_s, u"Jul"_s, u"Aug"_s,
                                                 u"Sep"_s, u"Okt"_s, u"Nov"_s, u"Dez"_s};
  return monate.at(static_cast<size_t>(monat - 1));
}

QString eintragsDatum(const QDate& datum) {
  return zweistellig(datum.day()) + u". "_s + monatKurz(datum.month()) + u". "_s + QString::number(datum.year());
}

QString statusDatum(const QDate& datum) {
  return zweistellig(datum.day()) + u'.' + deutsch().monthName(datum.month()) + u' ' +
         QString::number(datum.year());
}

QString datumZeit(const QDateTime& zeitpunkt) {
  const QString datum = kurzDatum(zeitpunkt.date());
  if (zeitpunkt.time() == QTime(0, 0)) return datum;
  return datum + u' ' + langeZeit(zeitpunkt.time());
}

QString festkomma(double wert, int nachkommastellen) {
  QString text = QString::number(wert, 'f', nachkommastellen);
  text.replace(u'.', u',');
  return text;
}

std::optional<QDate> leseKurzDatum(const QString& text) {
  const QString t = text.trimmed();
  for (const auto& muster : {u"dd.MM.yyyy"_s, u"d.M.yyyy"_s}) {
    const QDate datum = QDate::fromString(t, muster);
    if (datum.isValid()) return datum;
  }
  return std::nullopt;
}

std::optional<QTime> leseZeit(const QString& text) {
  const QStringList teile = text.trimmed().split(u' ', Qt::SkipEmptyParts);
  if (teile.isEmpty() || teile.size() > 2) return std::nullopt;
  const QString zeitteil = teile.last();
  for (const auto& muster : {u"H:mm:ss"_s, u"H:mm"_s}) {
    const QTime zeit = QTime::fromString(zeitteil, muster);
    if (zeit.isValid()) return zeit;
  }
  return std::nullopt;
}

std::optional<QDateTime> leseDatumZeit(const QString& text) {
  const QStringList teile = text.trimmed().split(u' ', Qt::SkipEmptyParts);
  if (teile.isEmpty() || teile.size() > 2) return std::nullopt;
  const auto datum = leseKurzDatum(teile.first());
  if (!datum) return std::nullopt;
  if (teile.size() == 1) return QDateTime(*datum, QTime(0, 0));
  const auto zeit = leseZeit(teile.last());
  if (!zeit) return std::nullopt;
  return QDateTime(*datum, *zeit);
}

}  // namespace bewahrix::formate
