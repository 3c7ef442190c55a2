#include "menuexefiler.h"

#include "engine/grundmetoder.h"
#include "engine/ikonplads.h"
#include "platform/desktopentry.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/programfile.h"
#include "platform/textfile.h"
#include "shared/imagelists.h"
#include "shared/rubrik.h"

#include <QAction>
#include <QMenu>

TMenuExeFiler::TMenuExeFiler(QObject* parent) : QObject(parent) {}

void TMenuExeFiler::HentProgrammer() {
    Prog.clear();
    m_ikoner.clear();
    QStringList lines;
    if (!FItemfile.isEmpty() && Platform::files().exists(FItemfile) &&
        TextFile::read(FItemfile, lines)) {
        // The count is a promise the lines must keep: only whole programs are taken.
        bool number = false;
        const int n = lines.value(0).trimmed().toInt(&number);
        for (int i = 0; number && i < n && 4 * i + 4 < lines.size(); ++i) {
            bool code = false;
            const int show = lines.at(4 * i + 4).trimmed().toInt(&code);
            Prog.append({lines.at(4 * i + 1), lines.at(4 * i + 2), lines.at(4 * i + 3),
                         quint8(code && show == 3 ? 3 : 1)});
        }
    }
    for (const TProgRec& rec : std::as_const(Prog))
        m_ikoner.append(GetIcon(rec.Filnavn));
    MakeMenu();
    emit listeAendret();
}

bool TMenuExeFiler::GemProgrammer() {
    if (FItemfile.isEmpty())
        return true;
    QStringList lines{QString::number(Prog.size())};
    for (const TProgRec& rec : std::as_const(Prog))
        lines << rec.Caption << rec.Filnavn << rec.Parameter << QString::number(rec.ShowType);
    if (TextFile::write(FItemfile, lines))
        return true;
    Platform::prompter().message(
        QStringLiteral("Programlisten kunne ikke gemmes.\nDen gamle liste er bevaret."),
        MessageKind::Error);
    return false;
}

void TMenuExeFiler::InsertItem(const QString& FNavn, const QString& MenuCaption,
                               const QString& Param, quint8 ProgOpstart) {
    Prog.append({MenuCaption, FNavn, Param, ProgOpstart});
    m_ikoner.append(GetIcon(FNavn));
    MakeMenu();
    emit listeAendret();
}

void TMenuExeFiler::DeleteItem(int MenuNr) {
    if (MenuNr >= 0 && MenuNr < Filantal()) {
        Prog.removeAt(MenuNr);
        m_ikoner.removeAt(MenuNr);
    }
    GemProgrammer();
    MakeMenu();
    emit listeAendret();
}

bool TMenuExeFiler::flytOp(int aIndex) {
    if (aIndex <= 0 || aIndex >= Filantal())
        return false;
    bytPlads(aIndex, aIndex - 1);
    return true;
}

bool TMenuExeFiler::flytNed(int aIndex) {
    if (aIndex < 0 || aIndex >= Filantal() - 1)
        return false;
    bytPlads(aIndex, aIndex + 1);
    return true;
}

void TMenuExeFiler::bytPlads(int a, int b) {
    Prog.swapItemsAt(a, b);
    m_ikoner.swapItemsAt(a, b);
    MakeMenu();
    emit listeAendret();
}

QString TMenuExeFiler::GetCaption(int MenuNr) const {
    return MenuNr >= 0 && MenuNr < Filantal() ? Prog.at(MenuNr).Caption : QString();
}

QString TMenuExeFiler::GetFilnavn(int MenuNr) const {
    return MenuNr >= 0 && MenuNr < Filantal() ? Prog.at(MenuNr).Filnavn : QString();
}

bool TMenuExeFiler::findes(const QString& FNavn) const {
    for (const TProgRec& rec : Prog)
        if (rec.Filnavn.compare(FNavn, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QIcon TMenuExeFiler::GetIcon(const QString& FNavn) {
    const QIcon theme = ProgramFile::themeIcon(FNavn);
    if (!theme.isNull())
        return theme;
    const int plads = ProgramFile::isProgram(FNavn) || !Platform::files().exists(FNavn)
                          ? IkonPlads::Exe
                          : TGrundMetoder::filIkonPlads(FNavn);
    return ImageLists::filliste().value(plads);
}

QString TMenuExeFiler::menuTekst(const QString& FNavn) {
    QByteArray bytes;
    if (DesktopEntry::isEntryName(FNavn) &&
        Platform::files().readFile(FNavn, bytes, DesktopEntry::kLargest))
        if (const auto entry = DesktopEntry::parse(bytes); entry && !entry->name.isEmpty())
            return entry->name;
    return LogicalPath::baseName(FNavn);
}

QString TMenuExeFiler::getAktuelleCaption() const {
    for (const TProgRec& rec : Prog)
        if (rec.Filnavn.compare(FAktuelleProgram, Qt::CaseInsensitive) == 0)
            return rec.Caption;
    return {};
}

void TMenuExeFiler::MakeMenu() {
    if (!FMainItem)
        return;
    const QList<QAction*> items = FMainItem->actions();
    for (QAction* item : items) {
        FMainItem->removeAction(item);
        // An item may be rebuilding the menu from its own triggered signal.
        if (item->parent() == FMainItem)
            item->deleteLater();
    }
    for (int i = 0; i < Filantal(); ++i) {
        const TProgRec& rec = Prog.at(i);
        if (!Platform::files().isFile(rec.Filnavn))
            continue;
        QAction* item = FMainItem->addAction(m_ikoner.at(i), Rubrik::somTekst(rec.Caption));
        item->setObjectName(QStringLiteral("prog%1").arg(i));
        item->setStatusTip(rec.Filnavn);
        connect(item, &QAction::triggered, this, [this, i] { vaelg(i); });
    }
}

void TMenuExeFiler::vaelg(int index) {
    if (index < 0 || index >= Filantal())
        return;
    const TProgRec rec = Prog.at(index);
    if (Platform::files().isFile(rec.Filnavn)) {
        FAktuelleProgram = rec.Filnavn;
        emit OnParam(index);
        return;
    }
    // The drive may only be unmounted: the program leaves the list when the user says so.
    if (Platform::prompter().question(rec.Caption + QStringLiteral(" blev ikke fundet.\nSkal "
                                                                   "programmet slettes fra "
                                                                   "listen?")))
        DeleteItem(index);
}
