#include "ui/DatumsFeld.h"

#include "store/Formate.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

DatumsFeld::DatumsFeld(QWidget* parent) : QDateEdit(parent) {
  connect(this, &QDateEdit::dateChanged, this, &DatumsFeld::monatEinsetzen);
}

void DatumsFeld::setzeFormat(const QString& format) {
  format_ = format;
  monatEinsetzen();
}

void DatumsFeld::monatEinsetzen() {
  QString format = format_;
  format.replace(u"MMM"_s, u'\'' + formate::monatKurz(date().month()) + u'\'');
  // A new format starts the editing over: only when the month changed.
  if (format != displayFormat()) setDisplayFormat(format);
}

}  // namespace bewahrix
