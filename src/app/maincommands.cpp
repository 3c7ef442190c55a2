#include "maincommands.h"
#include "commandtable.h"
#include "findform.h"
#include "findformen.h"
#include "mainform.h"
#include "mainmenus.h"
#include "maintoolbars.h"
#include "shared/aboutbox.h"
#include "shared/extform.h"
#include "tools/egenskabsform.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QToolBar>

MainCommands::MainCommands(Tmainform& window, CommandTable& commands) : w(window), c(commands) {
    fileRules();
    runningCommands();
    informationCommands();
    searchCommands();
    refreshingCommands();
    viewCommands();
    itemEffects();
}

bool MainCommands::fileAreaShown() const {
    return !w.m_panelRight->isHidden();
}

bool MainCommands::fileContext() const {
    // A dialog that borrows the file pane shows the file commands on its own buttons.
    return fileAreaShown() || w.funk().Struktur2() != w.filbox();
}

bool MainCommands::noFile() const {
    return w.funk().Filnavn().isEmpty();
}

// The rules run at every idle moment: asking the selection model costs nothing, while
// selectedItems() would build a list of the whole selection each time.
bool MainCommands::hasSelection(const StrukturVisning* tree) {
    return tree->selectionModel()->hasSelection();
}

bool MainCommands::hasUnselected(const StrukturVisning* tree) {
    const QItemSelectionModel& selection = *tree->selectionModel();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (!selection.isSelected(tree->indexFromItem(tree->topLevelItem(i))))
            return true;
    return false;
}

void MainCommands::fileRules() {
    c.setRule(QStringLiteral("aCopy"), [this] { return w.mayCopy && fileContext(); });
    c.setRule(QStringLiteral("aKopier32"), [this] { return w.mayCopy && fileContext(); });
    for (const char* name : {"aKlip", "aMove32", "aDelete", "aDeletePermanent", "aRename"})
        c.setRule(QString::fromLatin1(name), [this] { return w.mayDoIt && fileContext(); });
    c.setRule(QStringLiteral("aRenameExt"), [this] { return !noFile(); });
    for (const char* name : {"aNyMappe", "aNyTekstfil"})
        c.setRule(QString::fromLatin1(name), [this] { return fileContext(); });
    c.setRule(QStringLiteral("aMarkerAlt"),
              [this] { return hasUnselected(w.funk().Struktur2()) && fileContext(); });
    c.setRule(QStringLiteral("aMarkerIngen"),
              [this] { return hasSelection(w.funk().Struktur2()) && fileContext(); });
    c.setRule(QStringLiteral("aMarkerInvers"),
              [this] { return w.funk().Struktur2()->topLevelItemCount() > 0 && fileContext(); });
    c.setRule(QStringLiteral("aEmptyRB"),
              [this] { return LogicalPath::isDriveRoot(w.funk().Dirmappe()); });

    c.setRule(QStringLiteral("aPaste"), [this] {
        return (!w.funk().CopyListe1().isEmpty() || !w.funk().CopyListe2().isEmpty()) &&
               fileContext();
    });

    c.setEffect(QStringLiteral("aCopy"), [this] { copy(false); });
    c.setEffect(QStringLiteral("aKlip"), [this] { copy(true); });
    c.setEffect(QStringLiteral("aPaste"), [this] {
        const int count = w.funk().PasteElementer(w.klipAfterCopy, 0);
        w.HandlingsInfo(w.klipAfterCopy ? StatusTekster::Flyttet : StatusTekster::Indsat, count);
    });
    c.setEffect(QStringLiteral("aDelete"), [this] { remove(true); });
    c.setEffect(QStringLiteral("aDeletePermanent"), [this] { remove(false); });
    c.setEffect(QStringLiteral("aRename"), [this] { w.funk().editSelected(); });
    c.setEffect(QStringLiteral("aNyMappe"),
                [this] { w.nyMappeErOprettet = w.funk().NyMappe(w.funk().Grundmappe()); });
    const std::pair<const char*, THandlinger::Markering> selections[] = {
        {"aMarkerAlt", THandlinger::MarkerAlle},
        {"aMarkerIngen", THandlinger::MarkerIngen},
        {"aMarkerInvers", THandlinger::MarkerInvers}};
    for (const auto& [name, chosen] : selections)
        c.setEffect(QString::fromLatin1(name), [this, markering = chosen] {
            w.funk().setAktiveStruktur(2);
            w.funk().SelectMapperFiler(markering);
            w.filboxClick(nullptr);
        });
    // The trash of the drive selected in the folder tree, which need not be the drive of the
    // folder the file pane shows.
    c.setEffect(QStringLiteral("aEmptyRB"), [this] {
        w.funk().EmptyRecycleBin(true, w.funk().Dirmappe().left(2) + QLatin1Char('\\'));
    });
    c.setEffect(QStringLiteral("aRenameExt"), [this] { renameExt(); });
}

void MainCommands::copy(bool cut) {
    w.klipAfterCopy = cut;
    w.HandlingsInfo(cut ? StatusTekster::Klippet : StatusTekster::Kopieret,
                    w.funk().CopyElementer());
}

void MainCommands::remove(bool toRecycleBin) {
    const int count = w.funk().DeleteElementer(toRecycleBin);
    w.refreshMay();
    w.HandlingsInfo(StatusTekster::Slettet, count);
}

void MainCommands::runningCommands() {
    for (const char* name : {"aRun", "aRedigerFil"})
        c.setRule(QString::fromLatin1(name), [this] { return !noFile() && fileContext(); });
    for (const char* name : {"aRedigerHtml", "aVisValgteBillede", "AInsertInSenesteFiler"})
        c.setRule(QString::fromLatin1(name), [this] { return !noFile(); });
    // These take every selected file, so a selection whose current node is a folder counts.
    for (const char* name : {"aAnvend", "aAnvendStraks"})
        c.setRule(QString::fromLatin1(name), [this] { return !noFile() || w.mayFiler; });
    for (const char* name : {"aHTMLfilmliste", "aHTMLmusikliste", "aHTMLbilledliste"})
        c.setRule(QString::fromLatin1(name),
                  [this] { return (!noFile() || w.mayFiler) && fileAreaShown(); });
    c.setRule(QStringLiteral("aOpen"), [this] { return !w.opt().exeProgram.isEmpty(); });
    c.setRule(QStringLiteral("aOpenAktuelleMappe"),
              [this] { return !w.funk().Grundmappe().isEmpty(); });
    c.setRule(QStringLiteral("AInsertInSenesteMapper"),
              [this] { return !w.funk().Grundmappe().isEmpty(); });
    c.setRule(QStringLiteral("aGenvej"), [this] { return fileAreaShown(); });

    c.setEffect(QStringLiteral("aRun"), [this] {
        if (Platform::files().isFile(w.funk().Filnavn()))
            w.launcher().OpenFil(w.funk().Filnavn(), false);
    });
    c.setEffect(QStringLiteral("aRedigerFil"), [this] {
        if (Platform::files().isFile(w.funk().Filnavn()))
            w.launcher().OpenFil(w.funk().Filnavn(), true);
    });
    c.setEffect(QStringLiteral("aOpen"), [this] {
        w.launcher().OpenFilMedProgram(w.opt().exeProgram, w.funk().makeParamListe());
    });
    c.setEffect(QStringLiteral("aOpenAktuelleMappe"),
                [this] { w.launcher().OpenAktuelleMappe(w.funk().Grundmappe()); });
    c.setEffect(QStringLiteral("aVisValgteBillede"),
                [this] { w.funk().LoadPicture(w.funk().Filnavn()); });
    c.setEffect(QStringLiteral("aVisBillede"),
                [this] { w.opt().visBillede = !w.opt().visBillede; });
}

void MainCommands::informationCommands() {
    c.setRule(QStringLiteral("aDrevinfo"),
              [this] { return LogicalPath::isDriveRoot(w.funk().Dirmappe()) && fileContext(); });
    c.setRule(QStringLiteral("aMappeInfo"), [this] {
        const THandlinger& funk = w.funk();
        if (funk.AktiveStruktur() == 1)
            return funk.Dirmappe().size() > 2;
        return funk.AktiveStruktur() == 2 && noFile() && hasSelection(w.funk().Struktur2()) &&
               fileContext();
    });
    c.setRule(QStringLiteral("aFilinfo"), [this] { return !noFile() && fileContext(); });
    c.setRule(QStringLiteral("aEleEgenskaber"),
              [this] { return hasSelection(w.dirbox()) || hasSelection(w.filbox()); });
    c.setEffect(QStringLiteral("aDrevinfo"),
                [this] { w.funk().showDriveInfo(w.funk().Dirmappe()); });
    c.setEffect(QStringLiteral("aMappeInfo"), [this] { w.funk().showMappeInfo(); });
    c.setEffect(QStringLiteral("aFilinfo"), [this] { w.funk().showFileInfo(w.funk().Filnavn()); });
    c.setEffect(QStringLiteral("aEleEgenskaber"), [this] {
        if (!fileContext())
            return;
        THandlinger& funk = w.funk();
        if (funk.AktiveStruktur() == 1) {
            // A path of one character stands for nothing to show.
            if (LogicalPath::isDriveRoot(funk.Dirmappe()))
                funk.showDriveInfo(funk.Dirmappe());
            else if (funk.Dirmappe().size() > 2)
                funk.showMappeInfo();
        } else if (!funk.Filnavn().isEmpty()) {
            funk.showFileInfo(funk.Filnavn());
        } else {
            funk.showMappeInfo();
        }
    });
    c.setEffect(QStringLiteral("aInformation"),
                [this] { w.HelpInfo(QStringLiteral("Information"), false); });
    c.setEffect(QStringLiteral("Action15"),
                [this] { w.HelpInfo(QStringLiteral("Mapper"), false); });
}

void MainCommands::searchCommands() {
    // The rules ask the find window only once it is made: before, it is hidden and its
    // search box empty.
    c.setRule(QStringLiteral("Action22"),
              [this] { return !w.findformenIfMade() || !w.findformenIfMade()->isVisible(); });
    c.setEffect(QStringLiteral("Action22"), [this] { w.findformen()->show(); });
    c.setEffect(QStringLiteral("aFindtekst"), [this] {
        w.findform()->show();
        w.findform()->raise();
        w.findform()->activateWindow();
    });
    c.setRule(QStringLiteral("aSearch"),
              [this] { return w.findformenIfMade() && w.findformenIfMade()->searchEnabled(); });
    c.setEffect(QStringLiteral("aSearch"), [this] { w.findformen()->Search(); });
    c.setRule(QStringLiteral("aClearSearchListe"), [this] {
        return w.findformenIfMade() && w.findformenIfMade()->clearSearchListeEnabled();
    });
    c.setEffect(QStringLiteral("aClearSearchListe"),
                [this] { w.findformen()->clearSearchListe(); });
}

void MainCommands::refreshingCommands() {
    for (const char* name : {"aOpdaterAll", "aOpdaterRight"})
        c.setRule(QString::fromLatin1(name), [this] { return fileAreaShown(); });
    c.setEffect(QStringLiteral("aOpdaterAll"), [this] {
        THandlinger& funk = w.funk();
        const QString shown = funk.Grundmappe();
        funk.setGrundmappe(funk.makeStruktur1());
        funk.makeStruktur2(Platform::files().isFolder(shown) ? shown : funk.Dirmappe(), false);
    });
    c.setEffect(QStringLiteral("aOpdaterLeft"), [this] { w.funk().makeStruktur1(); });
    c.setEffect(QStringLiteral("aOpdaterRight"), [this] {
        w.funk().makeStruktur2(w.funk().Grundmappe(), false);
        w.funk().makeDrevMenu(w.menus().menu(QStringLiteral("PUdrive")));
    });
}

void MainCommands::viewCommands() {
    c.setEffect(QStringLiteral("aRedskabslinjen"), [this] { toggleMainBar(); });
    c.setEffect(QStringLiteral("aEgenskaber"), [this] { w.egenskabsform()->vis(); });
    const char* sets[] = {"Action19", "Action20", "Action21", "Action23"};
    for (int number = 0; number < 4; ++number) {
        const QString name = QString::fromLatin1(sets[number]);
        c.setRule(name, [this, number] { return w.toolbars().AMfunktionsNumber() != number; });
        c.setEffect(name, [this, number] {
            w.opt().AMfunktionsNumber = number;
            w.toolbars().setAMfunktioner(number);
        });
    }
    c.setRule(QStringLiteral("aLuk"), [this] { return w.documentCount() >= 1; });
    c.setRule(QStringLiteral("aLukAlle"), [this] { return w.documentCount() >= 2; });
    for (const char* name : {"WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1"})
        c.setRule(QString::fromLatin1(name), [this] { return w.documentCount() > 0; });
    c.setRule(QStringLiteral("aInsertFavoritmappe"),
              [this] { return w.favChanged && fileAreaShown(); });
    c.setRule(QStringLiteral("aGemFlyt"), [this] { return w.listeForandret; });
    c.setEffect(QStringLiteral("hjemmesideURL"),
                [] { Platform::shell().openUrl(QStringLiteral("https://www.ravnsti.dk/")); });
    c.setEffect(QStringLiteral("kritikURL"), [] {
        Platform::shell().openUrl(
            QStringLiteral("https://www.ravnsti.dk/sendmail.asp?strEmne=Ravnsti"));
    });
}

void MainCommands::itemEffects() {
    auto on = [this](QAction* item, std::function<void()> effect) {
        QObject::connect(item, &QAction::triggered, &w, std::move(effect));
    };
    on(c(QStringLiteral("mLukProgram")), [this] { w.close(); });
    on(c(QStringLiteral("miOmFinder")), [this] { w.AboutBox()->exec(); });
    on(c(QStringLiteral("sbCopyPath")), [this] { w.launcher().CopyPath(w.EditSti()->text()); });
    on(c(QStringLiteral("sbCopyPathWithFilename")), [this] {
        // The name passes through the path box, which counts as a change of it.
        if (!w.funk().Filnavn().isEmpty())
            w.favChanged = true;
        w.launcher().CopyFilnavn(w.funk().Filnavn());
    });
    on(c(QStringLiteral("ButtonPrevMappe")), [this] { w.funk().mappeTilbage(); });
    on(c(QStringLiteral("ButtonNextMappe")), [this] { w.funk().mappeFrem(); });
    on(c(QStringLiteral("ButtonMakeHis")), [this] { w.funk().makeOversigt(); });
    on(c(QStringLiteral("mOversigt")), [this] { w.funk().clearOversigt(); });
    for (QAction* item : {c(QStringLiteral("mPrivatmapper")), c(QStringLiteral("tbPrivatmapper"))})
        on(item, [this] {
            w.opt().medPrivat = !w.opt().medPrivat;
            w.anvendPrivatmapper();
        });
}

void MainCommands::toggleMainBar() {
    // Only the window changes: the saved option decides the next start.
    w.visRedskabslinje(w.toolbars().mainBar()->isHidden());
}

void MainCommands::renameExt() {
    const QString file = w.funk().Filnavn();
    TextForm* form = w.extForm();
    form->clear();
    const QString folder = LogicalPath::parent(file);
    form->setFolder(folder);
    const QString oldType = LogicalPath::extension(file);
    form->setOldType(oldType);
    if (form->exec() != QDialog::Accepted)
        return;
    QString newType = form->newType();
    if (!newType.startsWith(QLatin1Char('.')))
        newType.prepend(QLatin1Char('.'));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int count = w.funk().RenameExt(folder, oldType, newType);
    QApplication::restoreOverrideCursor();
    if (count < 0)
        return;
    Platform::prompter().message(count == 1
                                     ? QStringLiteral("Der blev omdøbt 1 fil.")
                                     : QStringLiteral("Der blev omdøbt %1 filer.").arg(count),
                                 MessageKind::Information);
}
