#include "reopenliste.h"

#include "platform/platform.h"
#include "shared/rubrik.h"

#include <QAction>
#include <QMenu>

ReopenListe::ReopenListe(int filantal, TItemtype itemtype, QObject* parent)
    : QObject(parent), FFilantal(filantal), FItemtype(itemtype) {}

void ReopenListe::setFilantal(int filantal) {
    if (filantal <= 0)
        return;
    FFilantal = filantal;
    if (Ropen.size() > filantal) {
        Ropen.resize(filantal);
        entriesChanged();
    }
}

void ReopenListe::setDeleteItem(const QString& caption, const QString& hint) {
    FDeleteItemCap = caption;
    FDeleteItemHint = hint;
}

void ReopenListe::InsertItem(const QString& FNavn, const QString& MenuCaption) {
    if (FItemtype == TItemtype::itFil &&
        (!Platform::files().exists(FNavn) || Platform::files().isFolder(FNavn)))
        return;
    if (FItemtype != TItemtype::itAndet)
        for (qsizetype i = 0; i < Ropen.size(); ++i)
            if (Ropen.at(i).Filnavn == FNavn) {
                Ropen.removeAt(i);
                break;
            }
    Ropen.prepend({MenuCaption, FNavn});
    if (Ropen.size() > FFilantal)
        Ropen.resize(FFilantal);
    entriesChanged();
}

void ReopenListe::DeleteItem(const QString& FNavn) {
    for (int i = 0; i < Antal(); ++i)
        if (Ropen.at(i).Filnavn == FNavn)
            return DeleteItem(i);
    removed();
}

void ReopenListe::DeleteCaption(const QString& CapNavn) {
    for (int i = 0; i < Antal(); ++i)
        if (Ropen.at(i).Caption == CapNavn)
            return DeleteItem(i);
    removed();
}

void ReopenListe::DeleteItem(int Index) {
    if (Index >= 0 && Index < Antal()) {
        Ropen.removeAt(Index);
        entriesChanged();
    }
    removed();
}

void ReopenListe::DeleteAllItems() {
    Ropen.clear();
    MakeMenu();
    entriesChanged();
}

QString ReopenListe::GetCaption(int Index) const {
    return Index >= 0 && Index < Antal() ? Ropen.at(Index).Caption : QString();
}

QString ReopenListe::GetFilnavn(int Index) const {
    return Index >= 0 && Index < Antal() ? Ropen.at(Index).Filnavn : QString();
}

void ReopenListe::MakeMenu() {
    if (!FMainItem)
        return;
    const QList<QAction*> items = FMainItem->actions();
    for (int i = FMenuStartNr; i < items.size(); ++i) {
        FMainItem->removeAction(items.at(i));
        // An entry may be rebuilding the menu from its own triggered signal.
        if (items.at(i)->parent() == FMainItem)
            items.at(i)->deleteLater();
    }
    if (Ropen.isEmpty())
        return;
    for (int j = 0; j < Antal(); ++j) {
        const TReopenRec& rec = Ropen.at(j);
        if (FItemtype != TItemtype::itAndet && rec.Filnavn.isEmpty())
            break;
        QAction* item = FMainItem->addAction(Rubrik::somTekst(rec.Caption));
        item->setObjectName(QStringLiteral("reopen%1").arg(j));
        item->setStatusTip(rec.Filnavn);
        if (FIkon)
            item->setIcon(FIkon(rec));
        connect(item, &QAction::triggered, this, [this, j] { chosen(j); });
    }
    if (FMedMenuStreg)
        FMainItem->addSeparator();
    if (!FDeleteItemCap.isEmpty()) {
        QAction* item = FMainItem->addAction(FDeleteItemCap);
        item->setObjectName(QStringLiteral("reopenSlet"));
        item->setStatusTip(FDeleteItemHint);
        connect(item, &QAction::triggered, this, [this] { deleteChosen(); });
    }
}

void ReopenListe::takePairs(const QStringList& lines, int first, int count) {
    Ropen.clear();
    for (int i = first; i + 1 < lines.size() && Antal() < qMin(count, FFilantal); i += 2)
        Ropen.append({lines.at(i), lines.at(i + 1)});
    entriesChanged();
}

QStringList ReopenListe::pairLines() const {
    QStringList lines;
    for (const TReopenRec& rec : Ropen)
        lines << rec.Caption << rec.Filnavn;
    return lines;
}
