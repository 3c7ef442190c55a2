#include "reopenfilerx.h"

#include "platform/platform.h"
#include "platform/prompter.h"
#include "platform/textfile.h"

#include <QListWidget>

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
    if (findes(index, QStringLiteral("Mappen kunne ikke findes.")))
        emit OnKlik(GetCaption(index), GetFilnavn(index));
}

void TReopenFilerX::removed() {
    GemReopenFiler();
}

void TReopenFilerX::setListeBoks(QListWidget* listeBoks) {
    if (FListeBoks)
        FListeBoks->disconnect(this);
    FListeBoks = listeBoks;
    if (!FListeBoks)
        return;
    connect(FListeBoks, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListeKlik(FListeBoks->row(item)); });
    connect(FListeBoks, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { DblListeKlik(FListeBoks->row(item)); });
    MakeListeMenu();
}

void TReopenFilerX::MakeListeMenu() {
    if (!FListeBoks)
        return;
    FListeBoks->clear();
    for (const TReopenRec& rec : std::as_const(Ropen))
        FListeBoks->addItem(rec.Caption);
}

bool TReopenFilerX::flytOp(int aIndex) {
    if (aIndex < 1 || aIndex >= Antal())
        return false;
    Ropen.swapItemsAt(aIndex, aIndex - 1);
    return true;
}

bool TReopenFilerX::flytNed(int aIndex) {
    if (aIndex < 0 || aIndex >= Antal() - 1)
        return false;
    Ropen.swapItemsAt(aIndex, aIndex + 1);
    return true;
}

bool TReopenFilerX::findes(int index, const QString& besked) const {
    if (Platform::files().isFolder(GetFilnavn(index)))
        return true;
    Platform::prompter().message(besked, MessageKind::Information);
    return false;
}

void TReopenFilerX::ListeKlik(int index) {
    if (index < 0 || index >= Antal() ||
        !findes(index, QStringLiteral("Mappen blev ikke fundet.\nSlet eventuelt elementet fra "
                                      "listen.")))
        return;
    emit OnListeKlik(GetCaption(index), GetFilnavn(index));
}

void TReopenFilerX::DblListeKlik(int index) {
    if (index < 0 || index >= Antal() || !findes(index, QStringLiteral("Mappen blev ikke fundet.")))
        return;
    emit OnDblListeKlik(GetCaption(index), GetFilnavn(index));
}
