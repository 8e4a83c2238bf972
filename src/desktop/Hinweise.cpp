#include "desktop/Hinweise.h"

#include "desktop/Benachrichtigungen.h"
#include "store/Formate.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

const QString kVerpasst = u"verpasst"_s;
const QString kNachholen = u"nachholen"_s;

QString name(int index) { return u"aufgabe"_s + QString::number(index); }
QString nummer(int index) { return QString::number(index + 1); }

}  // namespace

Hinweise::Hinweise(Benachrichtigungen& dienst, QObject* eltern) : QObject(eltern), dienst_(dienst) {
  connect(&dienst_, &Benachrichtigungen::aktion, this, [this](const QString& von, const QString& schluessel) {
    if (von == kVerpasst && schluessel == kNachholen)
      emit nachholen(versaeumt_);
    else
      emit logbuchZeigen();
  });
}

void Hinweise::fehlgeschlagen(int index, int anzahl, const QString& grund) {
  if (!an_) return;
  dienst_.zeigen(name(index), {u"Bewahrix: Aufgabe "_s + nummer(index) + u" mit Fehlern beendet"_s,
                               QString::number(anzahl) + u" Fehler: "_s + grund,
                               {u"default"_s, u"Logbuch einsehen"_s},
                               true});
}

void Hinweise::fehlerfrei(int index) { dienst_.zurueckziehen(name(index)); }

void Hinweise::datentraegerFehlt(int index, const QString& grund, const QDate& heute) {
  if (!an_ || datentraegerGemeldet_.value(index) == heute) return;
  datentraegerGemeldet_.insert(index, heute);
  dienst_.zeigen(name(index), {u"Datenträger für Aufgabe "_s + nummer(index) + u" fehlt"_s, grund,
                               {u"default"_s, u"Logbuch einsehen"_s},
                               true});
}

void Hinweise::verpasst(const QList<verpasst::Versaeumt>& aufgaben) {
  if (!an_ || aufgaben.isEmpty()) return;
  QStringList zeilen;
  versaeumt_.clear();
  for (const auto& [index, zuletzt] : aufgaben) {
    versaeumt_.append(index);
    zeilen.append(u"Aufgabe "_s + nummer(index) + u", zuletzt geplant am/um "_s + formate::datumZeit(zuletzt));
  }
  dienst_.zeigen(kVerpasst, {u"Bewahrix: versäumte Zeitpläne"_s, zeilen.join(u'\n'),
                             {u"default"_s, u"Logbuch einsehen"_s, kNachholen, u"Jetzt nachholen"_s},
                             false});
}

}  // namespace bewahrix
