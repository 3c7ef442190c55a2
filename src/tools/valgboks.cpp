#include "valgboks.h"

Valgboks::Valgboks(const QString& text, const char* name, bool& option, QWidget* parent)
    : QCheckBox(text, parent) {
    setObjectName(QLatin1String(name));
    setChecked(option);
    connect(this, &QCheckBox::toggled, this, [&option](bool on) { option = on; });
}
