#include "desktop/Anmeldestart.h"

#include "platform/Dialoge.h"
#include "platform/Ergebnis.h"
#include "platform/Fehlertext.h"

#include "Anwendung.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace anmeldestart {

QString datei() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/autostart/"_s +
         QString::fromUtf16(anwendung::kId) + u".desktop"_s;
}

}  // namespace anmeldestart

namespace {

constexpr char16_t kHilfe[] =
    u"Trägt Bewahrix in den Autostart der Arbeitsumgebung ein, damit es nach jeder Anmeldung startet "
    u"und seine Zeitpläne auch nach einem Neustart ausführt.";

// The installed program when there is one, otherwise this binary.
QString programmPfad() {
  const QString installiert = QString::fromUtf16(anwendung::kInstallierterPfad);
  return QFileInfo(installiert).isExecutable() ? installiert : QCoreApplication::applicationFilePath();
}

// A path as the Exec key takes it: quoted when it holds a reserved
// character, then escaped as every string value of a desktop entry.
QString execWert(QString pfad) {
  pfad.replace(u'%', u"%%"_s);
  static const QRegularExpression reserviert(uR"([\s"'\\><~|&;$*?#()`])"_s);
  if (pfad.contains(reserviert)) {
    QString gequotet = u"\""_s;
    for (const QChar zeichen : pfad) {
      if (u"\"`$\\"_s.contains(zeichen)) gequotet += u'\\';
      gequotet += zeichen;
    }
    pfad = gequotet + u'"';
  }
  return pfad.replace(u'\\', u"\\\\"_s);
}

QByteArray eintrag() {
  return (u"[Desktop Entry]\nType=Application\nName=Bewahrix\nComment=Bewahrix bei der Anmeldung starten\nExec="_s +
          execWert(programmPfad()) + u"\nIcon="_s + QString::fromUtf16(anwendung::kId) + u"\nTerminal=false\n"_s)
      .toUtf8();
}

Status einschalten() {
  std::error_code fehler;
  std::filesystem::create_directories(QFile::encodeName(QFileInfo(anmeldestart::datei()).path()).toStdString(),
                                      fehler);
  if (fehler) return Fehler{fehler.value(), fehlertext(fehler.value())};
  QSaveFile datei(anmeldestart::datei());
  if (!datei.open(QIODevice::WriteOnly) || datei.write(eintrag()) < 0 || !datei.commit())
    return Fehler{0, datei.errorString()};
  return erfolg();
}

// unlink: the entry and nothing else, never a folder in its place.
Status ausschalten() {
  if (::unlink(QFile::encodeName(anmeldestart::datei()).constData()) != 0 && errno != ENOENT)
    return Fehler{errno, fehlertext(errno)};
  return erfolg();
}

// A desktop's settings may also switch the entry off by marking it hidden.
bool aktiv() {
  QFile datei(anmeldestart::datei());
  if (!datei.open(QIODevice::ReadOnly)) return false;
  while (!datei.atEnd())
    if (datei.readLine().trimmed() == "Hidden=true") return false;
  return true;
}

Meldung warnung(bool an, const Fehler& fehler) {
  const QString was = an ? u"Der Eintrag für den Start bei der Anmeldung ließ sich nicht anlegen:"_s
                         : u"Der Eintrag für den Start bei der Anmeldung ließ sich nicht entfernen:"_s;
  return {was + u'\n' + anmeldestart::datei() + u"\n\n"_s + fehler.text, u"Bewahrix"_s, Symbol::Ausrufezeichen,
          Knoepfe::Ok, Antwort::Ok};
}

}  // namespace

QAction* anmeldestartEinbauen(QAction& nachbar, QLabel& hilfeZeile, Dialoge& dialoge) {
  auto* menue = qobject_cast<QMenu*>(nachbar.parent());
  Q_ASSERT(menue != nullptr);
  auto* aktion = new QAction(u"Bewahrix bei der Anmeldung starten"_s, menue);
  aktion->setObjectName(u"AnmeldungStarten"_s);
  aktion->setCheckable(true);
  aktion->setChecked(aktiv());
  const QList<QAction*> alle = menue->actions();
  menue->insertAction(alle.value(alle.indexOf(&nachbar) + 1), aktion);

  // Qt has toggled the mark already: it is the wish, the entry the answer.
  QObject::connect(aktion, &QAction::triggered, menue, [aktion, &dialoge](bool an) {
    const Status status = an ? einschalten() : ausschalten();
    aktion->setChecked(aktiv());
    if (!status) dialoge.zeige(warnung(an, status.fehler()));
  });
  QObject::connect(menue, &QMenu::aboutToShow, aktion, [aktion] { aktion->setChecked(aktiv()); });
  QObject::connect(aktion, &QAction::hovered, &hilfeZeile,
                   [&hilfeZeile] { hilfeZeile.setText(u' ' + QString::fromUtf16(kHilfe)); });
  return aktion;
}

}  // namespace bewahrix
