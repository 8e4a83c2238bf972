#include "desktop/HoverHilfe.h"

#include "desktop/HilfeText.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

// A control of its own: the pointer over it is not over its container.
// Qt's inner parts ("qt_…") and unnamed layout helpers belong to the widget
// around them; labels and the menu bar are controls even without a name.
bool eigenesSteuerelement(const QWidget* w) {
  const QString name = w->objectName();
  if (!name.isEmpty() && !name.startsWith(u"qt_"_s)) return true;
  return qobject_cast<const QLabel*>(w) != nullptr || qobject_cast<const QMenuBar*>(w) != nullptr;
}

}  // namespace

HoverHilfe::HoverHilfe(QWidget* fenster, QLabel* zeile, HilfeTabelle tabelle, QObject* parent)
    : QObject(parent), fenster_(fenster), zeile_(zeile), tabelle_(std::move(tabelle)) {
  // Typed text goes into the line: it must never be read as markup.
  zeile_->setTextFormat(Qt::PlainText);
  // On the application: it also sees the moves over widgets without mouse
  // tracking, which the widgets themselves never get, and the inner parts
  // of controls, also those created later.
  qApp->installEventFilter(this);
}

void HoverHilfe::zeige(int code, const QString& extra) { zeile_->setText(hilfe::zeile(code, extra)); }

const HilfeEintrag* HoverHilfe::eintragFuer(QWidget* widget) const {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (const auto it = tabelle_.constFind(w->objectName()); it != tabelle_.cend()) return &*it;
    if (w == fenster_ || eigenesSteuerelement(w)) return nullptr;
  }
  return nullptr;
}

void HoverHilfe::ausloesen(QWidget* widget, HilfeEintrag::Ausloeser ausloeser) {
  const HilfeEintrag* eintrag = eintragFuer(widget);
  if (eintrag == nullptr || eintrag->ausloeser != ausloeser) return;
  zeige(eintrag->code, eintrag->extra ? eintrag->extra() : QString());
}

bool HoverHilfe::eventFilter(QObject* objekt, QEvent* ereignis) {
  const QEvent::Type typ = ereignis->type();
  if (typ != QEvent::Enter && typ != QEvent::MouseMove && typ != QEvent::KeyPress) return false;
  if (!objekt->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(objekt);
  if (widget->window() != fenster_) return false;
  if (typ == QEvent::KeyPress) {
    ausloesen(widget, HilfeEintrag::Ausloeser::Taste);
    return false;
  }
  // A move the innermost widget ignored travels on to its parents; only the
  // widget under the pointer counts, or the frame around a button would
  // clear the button's text at once.
  if (typ == QEvent::MouseMove) {
    const auto* maus = static_cast<QMouseEvent*>(ereignis);
    if (widget->childAt(maus->position().toPoint()) != nullptr) return false;
  }
  ausloesen(widget, HilfeEintrag::Ausloeser::Maus);
  return false;
}

void hilfeSchalten(bool an, QLabel& zeile, SettingsStore& store) {
  zeile.setVisible(an);
  store.write(schluessel::abschnittHilfe(), schluessel::help(), werte::booleanText(an));
}

}  // namespace bewahrix
