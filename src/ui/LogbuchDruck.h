#pragma once

#include "platform/Dialoge.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace bewahrix {

class LogbuchModell;

namespace logbuchdruck {

// A line is an error entry when "Error" stands at position 32 of the shown
// line, where the run's "    => Error, " puts it; elsewhere it does not count.
bool istFehlerzeile(const QString& zeile);

// The system's default printer without a dialog; null when none is set up.
std::unique_ptr<QPrinter> standardDrucker();

// Paints the logbook onto the printer, page after page; rot prints the error
// entries red. False when the printer could not be started.
bool drucke(QPrinter& drucker, const LogbuchModell& modell, bool rot);

inline constexpr char16_t kUeberschrift[] = u"  Logbuch von Bewahrix";
inline constexpr char16_t kSchlusszeile[] = u"Gedruckt mit Bewahrix";
// The footer of every page, "Bewahrix – Seite 2".
QString fusszeile(int seite);

}  // namespace logbuchdruck

// cmd_LogbuchPrint_Click: asks whether error entries print red, then sends
// the shown lines to the default printer.
class LogbuchDruck {
 public:
  using DruckerWahl = std::function<std::unique_ptr<QPrinter>()>;

  // To the system's default printer.
  LogbuchDruck(const LogbuchModell& modell, Dialoge& dialoge);
  LogbuchDruck(const LogbuchModell& modell, Dialoge& dialoge, DruckerWahl wahl);
  void cmd_LogbuchPrint_Click();

 private:
  const LogbuchModell& modell_;
  Dialoge& dialoge_;
  DruckerWahl wahl_;
};

}  // namespace bewahrix
