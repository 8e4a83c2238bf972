#pragma once

#include "platform/Dialoge.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace bewahrix {

class LogbuchModell;

// What an input box asks: title, prompt and the text it starts with.
struct Eingabe {
  QString titel;
  QString aufforderung;
  QString vorgabe;

  bool operator==(const Eingabe&) const = default;
};

// Shows an input box; returns the text entered, empty when cancelled.
using EingabeFunktion = std::function<QString(const Eingabe&)>;

// The rows of the model whose shown line (LogbuchModell::zeile, date and
// time included) contains begriff, letter case ignored, in ascending order.
// The model's file is read in large blocks, since a million rows one by one
// take seconds.
QList<int> treffer(const LogbuchModell& modell, const QString& begriff);

// Runs of consecutive rows as [erste, letzte]: selecting a million rows one
// by one would be slow, a few ranges are not.
QList<QPair<int, int>> bereiche(const QList<int>& zeilen);

// The box that reports how many lines matched.
Meldung suchErgebnis(qsizetype anzahl);

}  // namespace bewahrix
