#include "reopenfiler.h"

#include "platform/platform.h"
#include "platform/textfile.h"

namespace {

constexpr int standardAntal = 10;

} // namespace

TReopenFiler::TReopenFiler(TItemtype itemtype, QObject* parent)
    : ReopenListe(standardAntal, itemtype, parent) {}

void TReopenFiler::HentReopenFiler() {
    DeleteAllItems();
    QStringList lines;
    if (Itemfile().isEmpty() || !Platform::files().exists(Itemfile()) ||
        !TextFile::read(Itemfile(), lines))
        return;
    bool ok = false;
    const int filantal = lines.value(0).trimmed().toInt(&ok);
    setFilantal(ok && filantal > 0 ? filantal : standardAntal);
    // A count that is not a number, or promises more than the file holds, takes what is there.
    const int antal = lines.value(1).trimmed().toInt(&ok);
    takePairs(lines, 2, ok && antal >= 0 ? antal : int(lines.size()));
}

bool TReopenFiler::GemReopenFiler() {
    if (Itemfile().isEmpty())
        return true;
    return TextFile::write(Itemfile(),
                           QStringList{QString::number(Filantal()), QString::number(Antal())} +
                               pairLines())
        .ok();
}

void TReopenFiler::chosen(int index) {
    if (index < 0 || index >= Antal())
        return;
    TReopenRec& rec = Ropen[index];
    const bool gone =
        (Itemtype() == TItemtype::itFil &&
         (!Platform::files().exists(rec.Filnavn) || Platform::files().isFolder(rec.Filnavn))) ||
        (Itemtype() == TItemtype::itBibliotek && !Platform::files().isFolder(rec.Filnavn));
    if (gone)
        rec = {};
    const QString path = rec.Filnavn;
    emit OnKlik(path);
    if (Itemtype() != TItemtype::itAndet && path.isEmpty())
        DeleteItem(index);
}
