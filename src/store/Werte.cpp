#include "store/Werte.h"

#include <QLocale>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::werte {

QString booleanText(bool wert) { return wert ? u"True"_s : u"False"_s; }

std::optional<bool> alsBoolean(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(u"True"_s, Qt::CaseInsensitive) == 0) return true;
  if (t.compare(u"False"_s, Qt::CaseInsensitive) == 0) return false;
  if (const auto zahl = alsZahl(t)) return *zahl != 0.0;
  return std::nullopt;
}

QString zahlText(qint64 wert) { return QString::number(wert); }

std::optional<double> alsZahl(const QString& text) {
  const QString t = text.trimmed();
  bool ok = false;
  double wert = QLocale::c().toDouble(t, &ok);
  if (!ok) wert = QLocale(QLocale::German, QLocale::Germany).toDouble(t, &ok);
  if (!ok || !std::isfinite(wert)) return std::nullopt;
  return wert;
}

std::optional<int> alsGanzzahl(const QString& text) {
  const auto zahl = alsZahl(text);
  if (!zahl) return std::nullopt;
  const double gerundet = std::nearbyint(*zahl);  // default mode: half to even
  if (gerundet < std::numeric_limits<int>::min() || gerundet > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(gerundet);
}

}  // namespace bewahrix::werte
