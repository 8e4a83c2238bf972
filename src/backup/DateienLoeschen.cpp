#include "backup/DateienLoeschen.h"

#include "backup/Sicherung.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "platform/Pfade.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

void entferne(Entferner& entferner, const QString& pfad, bool inPapierkorb, QList<Loeschfehler>& fehler) {
  const Status entfernt = inPapierkorb ? entferner.inDenPapierkorb(pfad) : entferner.endgueltigLoeschen(pfad);
  if (!entfernt) fehler.append({pfad, entfernt.fehler()});
}

void inhaltLoeschen(Entferner& entferner, const QString& verzeichnis, bool inPapierkorb,
                    QList<Loeschfehler>& fehler) {
  // Names as the kernel's bytes: a name that is no UTF-8 goes as well.
  const auto namen = alleEintraege(verzeichnis);
  if (!namen && namen.fehler().nummer != ENOENT) fehler.append({verzeichnis, namen.fehler()});
  if (!namen) return;
  for (const QString& name : namen.wert())
    entferne(entferner, pfade::mitTrenner(verzeichnis) + name, inPapierkorb, fehler);
}

// Both the path as written and, where it exists, with every link resolved.
QStringList formen(const QString& pfad) {
  QStringList alle{pfade::mitTrenner(QDir::cleanPath(pfad))};
  const QString echt = QFileInfo(pfad).canonicalFilePath();
  if (!echt.isEmpty()) alle.append(pfade::mitTrenner(echt));
  return alle;
}

bool liegtInOderUnter(const QString& verzeichnis, const QString& oben) {
  for (const QString& v : formen(verzeichnis))
    for (const QString& o : formen(oben))
      if (v.startsWith(o)) return true;
  return false;
}

}  // namespace

QList<Loeschfehler> dateienLoeschen(Entferner& entferner, const QStringList& pfadliste, bool inPapierkorb) {
  QList<Loeschfehler> fehler;
  for (QString pfad : pfadliste) {
    if (pfad.endsWith(pfade::verzeichnisEndung())) {
      inhaltLoeschen(entferner, pfad.chopped(pfade::verzeichnisEndung().size() - 1), inPapierkorb, fehler);
      continue;
    }
    if (pfade::endetMitTrenner(pfad) && pfad.size() > 1) pfad.chop(1);
    entferne(entferner, pfad, inPapierkorb, fehler);
  }
  return fehler;
}

std::optional<QString> leerenVerweigert(const QString& ziel, const QStringList& quellen,
                                        const QList<GeschuetzteDatei>& geschuetzt) {
  if (!pfade::istAbsolut(ziel)) return u"kein vollständiger Pfad: "_s + ziel;
  for (const QString& form : formen(ziel))
    if (form == pfade::dateisystemWurzel()) return u"das Wurzelverzeichnis wird nie geleert"_s;
  if (liegtInOderUnter(pfade::standardWurzel(), ziel))
    return u"das Heimatverzeichnis liegt darin oder ist es selbst"_s;
  for (const QString& eintrag : quellen)
    if (liegtInOderUnter(quellverzeichnis(eintrag), ziel))
      return u"die Quelle "_s + eintrag + u" liegt darin"_s;
  for (const auto& [pfad, bezeichnung] : geschuetzt)
    if (liegtInOderUnter(pfade::verzeichnisteil(pfad), ziel))
      return bezeichnung + u' ' + pfad + u" liegt darin"_s;
  return std::nullopt;
}

}  // namespace bewahrix
