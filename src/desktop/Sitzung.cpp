#include "desktop/Sitzung.h"

#include <QGuiApplication>

namespace bewahrix::sitzung {

bool waylandFenster() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace bewahrix::sitzung
