#include "dokumentomraade.h"
#include "commandtable.h"
#include "keyguard.h"
#include "mainform.h"
#include "reopencommands.h"

#include "editor/dokument.h"
#include "editor/twinform.h"
#include "engine/grundmetoder.h"
#include "engine/handlinger.h"
#include "engine/tekstsoegning.h"
#include "lists/reopenfiler.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/imagelists.h"
#include "shared/rubrik.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalBlocker>
#include <QTabBar>

Dokumentomraade::Dokumentomraade(Tmainform& window, CommandTable& commands, QWidget* panelRight)
    : QObject(&window), w(window), c(commands), m_panelRight(panelRight),
      m_tc(new QTabBar(&window)), m_mdi(new QMdiArea(&window)) {
    m_tc->setObjectName(QStringLiteral("tc"));
    m_tc->setFixedHeight(25);
    m_tc->setExpanding(false);
    m_tc->setUsesScrollButtons(true);
    m_tc->setDrawBase(true);
    m_tc->hide();
    m_mdi->setObjectName(QStringLiteral("Dokumenter"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->hide();
    connect(m_tc, &QTabBar::currentChanged, this, &Dokumentomraade::tcChange);
    connect(m_tc, &QTabBar::tabBarClicked, this, &Dokumentomraade::tcMouseDown);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* aktiv) {
        if (auto* vindue = aktiv ? qobject_cast<Twinform*>(aktiv->widget()) : nullptr)
            vindue->FormActivate();
    });
    kommandoer();
}

void Dokumentomraade::kommandoer() {
    c.setEffect(QStringLiteral("aLuk"), [this] {
        if (Twinform* vindue = aktivt())
            vindue->luk();
    });
    c.setEffect(QStringLiteral("aLukAlle"), [this] {
        // Each in turn; one that refuses stays open and the others are still asked.
        const QList<QPointer<Twinform>> alle = m_vinduer;
        for (const QPointer<Twinform>& vindue : alle) {
            if (vindue)
                vindue->luk();
            QApplication::processEvents();
        }
    });
    c.setEffect(QStringLiteral("WindowCascade1"), [this] {
        visDokumentvisning();
        m_mdi->cascadeSubWindows();
    });
    c.setEffect(QStringLiteral("WindowTileHorizontal1"), [this] { arranger(Qt::Vertical); });
    c.setEffect(QStringLiteral("WindowTileVertical1"), [this] { arranger(Qt::Horizontal); });
    c.setEffect(QStringLiteral("aRedigerHtml"), [this] { redigerValgte(); });
}

void Dokumentomraade::redigerValgte() {
    const QString fil = w.funk().Filnavn();
    if (fil.isEmpty())
        return;
    if (w.typeliste().erTekstType(LogicalPath::extension(fil)) ||
        Platform::prompter().question(
            QStringLiteral("Filtypen er ukendt.\nEr det en tekstfil, der kan åbnes til "
                           "redigering?")))
        w.openwin(LogicalPath::lastComponent(fil), fil);
}

void Dokumentomraade::arranger(Qt::Orientation retning) {
    visDokumentvisning();
    const QList<QMdiSubWindow*> rammer = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (rammer.isEmpty())
        return;
    const QSize plads = m_mdi->viewport()->size();
    const int n = int(rammer.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* ramme = rammer.at(i);
        ramme->showNormal();
        if (retning == Qt::Vertical) {
            const int hoejde = plads.height() / n;
            ramme->setGeometry(0, i * hoejde, plads.width(), hoejde);
        } else {
            const int bredde = plads.width() / n;
            ramme->setGeometry(i * bredde, 0, bredde, plads.height());
        }
    }
}

QMdiSubWindow* Dokumentomraade::ramme(const Twinform* vindue) {
    return qobject_cast<QMdiSubWindow*>(vindue->parentWidget());
}

QList<Twinform*> Dokumentomraade::vinduer() const {
    QList<Twinform*> alle;
    for (const QPointer<Twinform>& vindue : m_vinduer)
        if (vindue)
            alle.append(vindue);
    return alle;
}

Twinform* Dokumentomraade::aktivt() const {
    if (QMdiSubWindow* aktiv = m_mdi->currentSubWindow())
        if (auto* vindue = qobject_cast<Twinform*>(aktiv->widget()))
            return vindue;
    return m_vinduer.isEmpty() ? nullptr : m_vinduer.last().data();
}

Twinform* Dokumentomraade::vindueMedFil(const QString& filnavn) const {
    const std::optional<FileIdentity> fil = Platform::files().identity(filnavn);
    for (const QPointer<Twinform>& vindue : m_vinduer) {
        if (!vindue)
            continue;
        if (vindue->dokumentFilnavn == filnavn)
            return vindue;
        if (fil && vindue->dokument().harFilnavn() &&
            Platform::files().identity(vindue->dokument().filnavn()) == fil)
            return vindue;
    }
    return nullptr;
}

Twinform* Dokumentomraade::vindueMedFane(const QString& capNavn) const {
    for (const QPointer<Twinform>& vindue : m_vinduer)
        if (vindue && vindue->CapNavn == capNavn)
            return vindue;
    return nullptr;
}

void Dokumentomraade::bringFrem(Twinform* vindue) {
    visDokumentvisning();
    m_mdi->setActiveSubWindow(ramme(vindue));
    SetTCindex(vindue);
}

void Dokumentomraade::openwin(const QString& aCap, const QString& aFilename,
                              const QString& dokumentExt) {
    if (!aFilename.isEmpty())
        if (Twinform* aaben = vindueMedFil(aFilename)) {
            bringFrem(aaben);
            return;
        }
    visDokumentvisning();
    ++w.NewCount;
    auto* vindue = new Twinform(w);
    connect(vindue, &Twinform::aktiveret, this, &Dokumentomraade::SetTCindex);
    connect(vindue, &Twinform::omdoebt, this, &Dokumentomraade::RenameTab);
    connect(vindue, &Twinform::lukket, this, &Dokumentomraade::lukket);
    connect(vindue, &Twinform::brugtFil, this, [this](const QString& fil) {
        w.reopen().ReopenFiler().InsertItem(fil, LogicalPath::lastComponent(fil));
    });
    connect(vindue, &Twinform::visFilfinder, this, [this](const QString& mappe) {
        w.funk().setAktiveStruktur(2);
        w.funk().makeStruktur2(mappe, false);
        visFilvisning();
    });
    QMdiSubWindow* ramme = m_mdi->addSubWindow(vindue);
    ramme->setWindowIcon(ImageLists::filliste().value(TGrundMetoder::filIkonPlads(
        aFilename.isEmpty() ? QStringLiteral("x") + dokumentExt : aFilename)));
    m_vinduer.append(vindue);
    w.keyGuard().addKeyOwner(vindue, vindue->egneTaster());
    vindue->InfoCap(w.NewCount, aCap, aFilename, dokumentExt);
    InsertTab(vindue);
    ramme->showMaximized();
    m_mdi->setActiveSubWindow(ramme);
    SetTCindex(vindue);
    vindue->infoTekst()->setFocus();
}

void Dokumentomraade::InsertTab(const Twinform* vindue) {
    const QSignalBlocker quiet(m_tc);
    // The tab keeps the caption as its data; its text is the caption shown as written.
    m_tc->setTabData(m_tc->addTab(Rubrik::somTekst(vindue->CapNavn)), vindue->CapNavn);
}

void Dokumentomraade::SetTCindex(const Twinform* vindue) {
    const QSignalBlocker quiet(m_tc);
    for (int i = 0; i < qMin(m_tc->count(), antal()); ++i)
        if (m_tc->tabData(i).toString() == vindue->CapNavn) {
            m_tc->setCurrentIndex(i);
            return;
        }
}

void Dokumentomraade::RenameTab(const QString& oldCapNavn, const QString& newCapNavn) {
    for (int i = 0; i < qMin(m_tc->count(), antal()); ++i)
        if (m_tc->tabData(i).toString() == oldCapNavn) {
            m_tc->setTabText(i, Rubrik::somTekst(newCapNavn));
            m_tc->setTabData(i, newCapNavn);
            return;
        }
}

void Dokumentomraade::CloseTab(const QString& aCapNavn) {
    const QSignalBlocker quiet(m_tc);
    for (int i = 0; i < m_tc->count(); ++i)
        if (m_tc->tabData(i).toString() == aCapNavn) {
            m_tc->removeTab(i);
            return;
        }
}

void Dokumentomraade::lukket(Twinform* vindue) {
    CloseTab(vindue->CapNavn);
    m_vinduer.removeAll(vindue);
    lukKontrol();
}

void Dokumentomraade::lukKontrol() {
    if (!m_vinduer.isEmpty())
        return;
    m_tc->hide();
    visFilvisning();
}

void Dokumentomraade::tcChange(int index) {
    Twinform* vindue = index >= 0 ? vindueMedFane(m_tc->tabData(index).toString()) : nullptr;
    if (!vindue)
        return;
    m_mdi->setActiveSubWindow(ramme(vindue));
    if (vindue->dokument().harFilnavn()) {
        w.funk().setAktiveStruktur(2);
        w.funk().makeStruktur2(LogicalPath::parent(vindue->dokument().filnavn()), true);
    }
}

void Dokumentomraade::tcMouseDown(int index) {
    visDokumentvisning();
    // A left click on another tab changes the tab, which shows its window; any other click
    // shows the window of the tab that is chosen.
    if (index == m_tc->currentIndex() || !(QApplication::mouseButtons() & Qt::LeftButton))
        tcChange(m_tc->currentIndex());
}

void Dokumentomraade::visFilvisning() {
    m_mdi->hide();
    m_panelRight->show();
}

void Dokumentomraade::visDokumentvisning() {
    m_tc->show();
    m_panelRight->hide();
    m_mdi->show();
}

bool Dokumentomraade::lukAlle() {
    for (qsizetype i = m_vinduer.size() - 1; i >= 0; --i) {
        const QPointer<Twinform> vindue = m_vinduer.value(i);
        if (vindue && !vindue->luk())
            return false;
        QApplication::processEvents();
    }
    return true;
}

bool Dokumentomraade::visTekstFund(const TekstFund& fund, int laengde, bool fokus) {
    Twinform* vindue = nullptr;
    if (Platform::files().isFile(fund.dokument)) {
        w.OpenFilIEditor(fund.dokument);
        vindue = aktivt();
    } else {
        for (const QPointer<Twinform>& aaben : std::as_const(m_vinduer))
            if (aaben && aaben->dokumentNavn() == fund.dokument)
                vindue = aaben;
        if (vindue)
            bringFrem(vindue);
    }
    if (!vindue)
        return false;
    vindue->vaelg(fund.position, laengde, fokus);
    return true;
}

QList<AabentDokument> Dokumentomraade::aabneDokumenter() const {
    QList<AabentDokument> alle;
    for (Twinform* vindue : vinduer())
        alle.append({vindue->dokumentNavn(), &vindue->dokument()});
    return alle;
}
