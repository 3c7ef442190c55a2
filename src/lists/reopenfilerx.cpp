#include "reopenfilerx.h"

#include "platform/platform.h"
#include "platform/prompter.h"
#include "platform/textfile.h"

TReopenFilerX::TReopenFilerX(QObject* parent) : ReopenListe(24, TItemtype::itBibliotek, parent) {
    setDeleteItem(QStringLiteral("Slet alle favorit mapper"),
                  QStringLiteral("Sletter alle aktuelle mapper fra listen"));
}

void TReopenFilerX::HentReopenFiler() {
    DeleteAllItems();
    QStringList lines;
    if (!Itemfile().isEmpty() && Platform::files().exists(Itemfile()) &&
        TextFile::read(Itemfile(), lines))
        takePairs(lines, 0, int(lines.size()));
}

bool TReopenFilerX::GemReopenFiler() {
    if (Itemfile().isEmpty())
        return true;
    const bool written = TextFile::write(Itemfile(), pairLines()).ok();
    if (!written)
        Platform::prompter().message(
            QStringLiteral("Favoritmapperne kunne ikke gemmes.\nDen gamle liste er bevaret."),
            MessageKind::Error);
    return written;
}

void TReopenFilerX::SletAlleItems() {
    if (!Platform::prompter().question(
            QStringLiteral("\nSkal alle indførte favoritmapper i listen slettes?")))
        return;
    DeleteAllItems();
    GemReopenFiler();
}

void TReopenFilerX::chosen(int index) {
    const QString path = GetFilnavn(index);
    if (!Platform::files().isFolder(path)) {
        Platform::prompter().message(QStringLiteral("Mappen kunne ikke findes."),
                                     MessageKind::Information);
        return;
    }
    emit OnKlik(GetCaption(index), path);
}

void TReopenFilerX::removed() {
    GemReopenFiler();
}
