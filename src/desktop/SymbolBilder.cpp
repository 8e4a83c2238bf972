// Writes the program's symbol as PNG files for the icon theme, drawn by the
// program's own code: symbolbilder ORDNER KANTE... writes ORDNER/KANTE.png.

#include "desktop/Symbol.h"

#include <QString>

#include <cstdio>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fputs("Aufruf: bewahrix_symbolbilder ORDNER KANTE...\n", stderr);
    return 2;
  }
  const QString ordner = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int kante = std::atoi(argv[i]);
    const QString datei = ordner + u'/' + QString::number(kante) + u".png"_s;
    if (kante <= 0 || !bewahrix::symbolBild(kante).save(datei)) {
      std::fprintf(stderr, "%s lässt sich nicht schreiben\n", qPrintable(datei));
      return 1;
    }
  }
  return 0;
}
