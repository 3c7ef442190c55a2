#pragma once

#include <QString>

// A name or a user's text shown as a caption, exactly as written. In the text of a tab, a
// button or a menu item "&" marks the next letter as a key; in a window title "[*]" stands
// for the mark of a changed document.
namespace Rubrik {

QString somTekst(const QString& navn);
QString somTitel(const QString& navn);

} // namespace Rubrik
