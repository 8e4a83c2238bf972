#include "platform/Pfade.h"

#include <QDir>

namespace bewahrix::pfade {

QChar trenner() { return QLatin1Char('/'); }

QString trennerText() { return QString(trenner()); }

QString verzeichnisEndung() { return trennerText() + QStringLiteral("*.*"); }

QString baumEndung() { return trennerText() + QStringLiteral("*.***"); }

bool endetMitTrenner(const QString& pfad) { return pfad.endsWith(trenner()); }

QString mitTrenner(const QString& pfad) {
  return endetMitTrenner(pfad) ? pfad : pfad + trenner();
}

QString namensteil(const QString& pfad) {
  return pfad.mid(pfad.lastIndexOf(trenner()) + 1);
}

QString verzeichnisteil(const QString& pfad) {
  return pfad.left(pfad.lastIndexOf(trenner()) + 1);
}

bool istAbsolut(const QString& pfad) { return pfad.startsWith(trenner()); }

QString standardWurzel() { return mitTrenner(QDir::homePath()); }

QString dateisystemWurzel() { return trennerText(); }

}  // namespace bewahrix::pfade
