#pragma once

#include "editing/Bearbeitung.h"

#include <QString>

class QWidget;

namespace bewahrix {

// The real file dialog; empty when cancelled.
QString dateiWaehlen(QWidget* eltern, const DateiSuche& suche);

// The folder picker for a source directory: its status line says which
// folder is selected ("Sie haben … gewählt."). Empty when cancelled.
QString quellordnerWaehlen(QWidget* eltern, const QString& titel, const QString& start);

// The folder picker for the logbook: a short caption, and text (what to
// choose and the current directory, over several lines) inside the dialog.
QString logbuchOrdnerWaehlen(QWidget* eltern, const QString& text, const QString& aktuell);

}  // namespace bewahrix
