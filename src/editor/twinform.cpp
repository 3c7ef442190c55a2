#include "twinform.h"
#include "colorgrid.h"
#include "dokument.h"
#include "dokumenthandlinger.h"
#include "dokumentskabelon.h"
#include "fontsizecombobox.h"
#include "htmlmenuer.h"
#include "infotag.h"
#include "kodekontrol.h"
#include "printform.h"
#include "skrivpanel.h"
#include "udskrivning.h"
#include "vbskommandoer.h"

#include "engine/handlinger.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/centreddialog.h"
#include "shared/launcher.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/rubrik.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kUkendt = QStringLiteral("???");

// Calls `f` with the editor, whichever kind it is: both have the same editing calls.
template <class F> auto medEditor(QPlainTextEdit* plain, QTextEdit* rich, F f) {
    return plain ? f(plain) : f(rich);
}

double mmTilPunkter(double mm) {
    return mm * 72.0 / 25.4;
}

QToolBar* nyBar(const char* name, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

} // namespace

Twinform::Twinform(MainHost& host, QWidget* parent)
    : QWidget(parent), host(host), m_dok(new TDokument(this)),
      m_handlinger(new DokumentHandlinger(this)), m_menuer(new HtmlMenuer(host, this)),
      m_vbs(new VbsKommandoer(host, this)) {
    setObjectName(QStringLiteral("winform"));
    setMinimumSize(470, 320);
    fontNameDoc = host.opt().fontNameDocument;
    fontSizeDoc = host.opt().fontSizeDocument;
    m_printform.setMaker([this] { return new Tprintform(this); });

    auto* kolonne = new QVBoxLayout(this);
    kolonne->setContentsMargins(0, 0, 0, 0);
    kolonne->setSpacing(0);
    byggVaerktoej();
    kolonne->addWidget(m_toolBar1);
    kolonne->addWidget(m_toolBar2);
    kolonne->addWidget(m_panelSkrivTop);
    kolonne->addWidget(m_htmlBar);
    byggStatus();
    byggEditor(false);
    kolonne->addWidget(m_infoX);
    forbindHandlinger();
    forbindRigTekst();
    m_toolBar2->hide();
    m_panelSkrivTop->hide();
    m_htmlBar->hide();
}

QToolButton* Twinform::knap(QToolBar* bar, const char* name, QAction* action) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(bar->iconSize());
    return button;
}

QToolButton* Twinform::menuKnap(QToolBar* bar) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QStringLiteral("tbRediger"));
    button->setIcon(CentredDialog::programIcon(QStringLiteral("doc-edit")));
    button->setText(QStringLiteral("Rediger"));
    button->setToolTip(QStringLiteral("Redigering af teksten"));
    button->setMenu(m_popupEdit);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    bar->addWidget(button);
    return button;
}

void Twinform::byggVaerktoej() {
    const DokumentHandlinger& h = *m_handlinger;
    m_popupEdit = new QMenu(this);
    m_popupEdit->setObjectName(QStringLiteral("PopupEdit"));
    m_popupEdit->addAction(h("EditUndo1"));
    m_popupEdit->addSeparator();
    for (const char* name : {"EditCut1", "EditCopy1", "EditPaste1", "pasteFromInfo"})
        m_popupEdit->addAction(h(name));
    m_popupEdit->addSeparator();
    m_popupEdit->addAction(h("EditSelectAll1"));
    m_popupEdit->addSeparator();
    m_popupEdit->addAction(h("EditDelete1"));

    m_toolBar1 = nyBar("ToolBar1", this);
    m_toolBar1->addAction(h("tbClose1"));
    m_toolBar1->addAction(h("aOpenFraSkriv"));
    m_toolBar1->addSeparator();
    m_tsHtmlInfo = m_toolBar1->addWidget(knap(m_toolBar1, "tsHtmlInfo", h("aHTMLinfo")));
    m_tsCssInfo = m_toolBar1->addWidget(knap(m_toolBar1, "tsCssInfo", h("aCssInfo")));
    m_tsJsInfo = m_toolBar1->addWidget(knap(m_toolBar1, "tsJsInfo", h("aJsInfo")));
    m_tsVbInfo = m_toolBar1->addWidget(knap(m_toolBar1, "tsVbInfo", h("aVbInfo")));
    m_tsVbAbc = m_toolBar1->addWidget(knap(m_toolBar1, "tsVbAbc", h("tsVbAbc")));
    m_tsVbSlutkoder = knap(m_toolBar1, "tsVbSlutkoder", h("aScriptSlutkoder"));
    m_tsVbSlutkoder->setPopupMode(QToolButton::MenuButtonPopup);
    m_tsVbSlutkoderPlads = m_toolBar1->addWidget(m_tsVbSlutkoder);
    m_toolBar1->addSeparator();
    for (const char* name : {"AprintDokument", "AGemDokument", "aGemDokumentSom"})
        m_toolBar1->addAction(h(name));
    menuKnap(m_toolBar1);
    m_toolBar1->addSeparator();
    m_toolBar1->addAction(h("aGoDokument"));
    m_toolBar1->widgetForAction(h("aGoDokument"))->setObjectName(QStringLiteral("tsGoDokument"));
    qobject_cast<QToolButton*>(m_toolBar1->widgetForAction(h("aGoDokument")))
        ->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_toolBar2 = nyBar("ToolBar2", this);
    for (const char* name : {"tbClose2", "aOpenFraSkriv"})
        m_toolBar2->addAction(h(name));
    m_toolBar2->addSeparator();
    for (const char* name : {"AprintDokument", "AGemDokument", "aGemDokumentSom", "Amargin"})
        m_toolBar2->addAction(h(name));
    menuKnap(m_toolBar2);
    m_toolBar2->addSeparator();
    for (const char* name :
         {"RichEditBold1", "RichEditItalic1", "RichEditUnderline1", "RichEditStrikeOut1"})
        m_toolBar2->addAction(h(name));
    m_toolBar2->addSeparator();
    for (const char* name :
         {"RichEditAlignLeft1", "RichEditAlignCenter1", "RichEditAlignRight1", "RichEditBullets1"})
        m_toolBar2->addAction(h(name));

    m_panelSkrivTop = new TSkrivPanel(h("Aoverskrift"), h("Atekst"), this);

    m_htmlBar = nyBar("HtmlBar", this);
    m_htmlBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_htmlBar->addAction(h("aKontrol"));
    m_htmlBar->addAction(h("aSlutkode"));
    m_htmlBar->addSeparator();
    m_menuer->fyld(m_htmlBar, *m_handlinger);
    m_tsVbSlutkoder->setMenu(m_vbs->lavPUvbs(this));
}

void Twinform::byggStatus() {
    m_infoX = new QStatusBar(this);
    m_infoX->setObjectName(QStringLiteral("InfoX"));
    m_infoX->setSizeGripEnabled(false);
    const QStringList faste = {
        QStringLiteral("Linie antal"), QString(), QStringLiteral("Linie"),   QString(),
        QStringLiteral("Position"),    QString(), QStringLiteral("Filnavn"), QString()};
    for (int i = 0; i < faste.size(); ++i) {
        auto* panel = new QLabel(faste.at(i), m_infoX);
        panel->setObjectName(QStringLiteral("InfoX%1").arg(i));
        panel->setTextFormat(Qt::PlainText);
        // Fixed widths: the numbers change at every key and must not move the bar about.
        if (i < 7)
            panel->setFixedWidth(i % 2 == 0 ? panel->sizeHint().width() + 8 : 70);
        m_infoX->addWidget(panel, i == 7 ? 1 : 0);
        m_panels.append(panel);
    }
}

void Twinform::byggEditor(bool rigTekst) {
    int position = 0;
    if (QWidget* gammel = infoTekst()) {
        position = medEditor(m_plain, m_rich, [](auto* e) { return e->textCursor().position(); });
        delete gammel; // the checker lets go of it by itself
        m_plain = nullptr;
        m_rich = nullptr;
    }
    QTextDocument* doc = m_dok->tekst();
    const QFont font(fontNameDoc, fontSizeDoc);
    QWidget* editor = nullptr;
    if (rigTekst) {
        // The rich editor lays the text out with the full layout, made on demand.
        doc->setDocumentLayout(nullptr);
        m_rich = new QTextEdit(this);
        m_rich->setDocument(doc);
        m_rich->setFont(font);
        m_rich->setAcceptRichText(false);
        connect(m_rich, &QTextEdit::cursorPositionChanged, this, &Twinform::XYinfo);
        connect(m_rich, &QTextEdit::undoAvailable, (*m_handlinger)("EditUndo1"),
                &QAction::setEnabled);
        for (const char* name : {"EditCut1", "EditCopy1", "EditDelete1"})
            connect(m_rich, &QTextEdit::copyAvailable, (*m_handlinger)(name), &QAction::setEnabled);
        connect(m_rich, &QTextEdit::currentCharFormatChanged, this, &Twinform::visRigFormat);
        editor = m_rich;
    } else {
        if (!qobject_cast<QPlainTextDocumentLayout*>(doc->documentLayout()))
            doc->setDocumentLayout(new QPlainTextDocumentLayout(doc));
        m_plain = new QPlainTextEdit(this);
        m_plain->setDocument(doc);
        m_plain->setFont(font);
        m_plain->setLineWrapMode(QPlainTextEdit::NoWrap);
        connect(m_plain, &QPlainTextEdit::cursorPositionChanged, this, &Twinform::XYinfo);
        connect(m_plain, &QPlainTextEdit::undoAvailable, (*m_handlinger)("EditUndo1"),
                &QAction::setEnabled);
        for (const char* name : {"EditCut1", "EditCopy1", "EditDelete1"})
            connect(m_plain, &QPlainTextEdit::copyAvailable, (*m_handlinger)(name),
                    &QAction::setEnabled);
        editor = m_plain;
    }
    editor->setObjectName(QStringLiteral("infoTekst"));
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this,
            [this, editor](const QPoint& p) { m_popupEdit->popup(editor->mapToGlobal(p)); });
    editor->installEventFilter(this);
    auto* kolonne = static_cast<QVBoxLayout*>(layout());
    kolonne->insertWidget(kolonne->indexOf(m_infoX), editor, 1);
    for (const char* name : {"EditUndo1", "EditCut1", "EditCopy1", "EditDelete1"})
        (*m_handlinger)(name)->setEnabled(false);
    medEditor(m_plain, m_rich, [position, doc](auto* e) {
        QTextCursor caret(doc);
        caret.setPosition(qMin(position, doc->characterCount() - 1));
        e->setTextCursor(caret);
    });
    opdaterIndsaet();
    if (isVisible())
        editor->setFocus();
    XYinfo();
}

QWidget* Twinform::infoTekst() const {
    return m_plain ? static_cast<QWidget*>(m_plain) : static_cast<QWidget*>(m_rich);
}

void Twinform::forbindHandlinger() {
    const DokumentHandlinger& h = *m_handlinger;
    QTextDocument* doc = m_dok->tekst();
    h("AGemDokument")->setEnabled(false);
    h("AprintDokument")->setEnabled(false);
    connect(doc, &QTextDocument::modificationChanged, h("AGemDokument"), &QAction::setEnabled);
    connect(doc, &QTextDocument::contentsChanged, this,
            [this, doc] { (*m_handlinger)("AprintDokument")->setEnabled(!doc->isEmpty()); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &Twinform::opdaterIndsaet);

    connect(h("AGemDokument"), &QAction::triggered, this, &Twinform::SaveDocument);
    connect(h("aGemDokumentSom"), &QAction::triggered, this, &Twinform::SaveDocumentAs);
    connect(h("AprintDokument"), &QAction::triggered, this, &Twinform::udskriv);
    connect(h("pasteFromInfo"), &QAction::triggered, this, &Twinform::pasteFromInfo);
    for (const char* name : {"tbClose1", "tbClose2"})
        connect(h(name), &QAction::triggered, this, &Twinform::luk);
    connect(h("aGoDokument"), &QAction::triggered, this,
            [this] { this->host.launcher().OpenFil(dokumentFilnavn, false); });
    connect(h("aOpenFraSkriv"), &QAction::triggered, this,
            [this] { emit visFilfinder(LogicalPath::parent(m_dok->filnavn())); });
    // The HTML and script tools write through the checker, which this window binds to its
    // editor while it is the active one.
    connect(h("aKontrol"), &QAction::triggered, this, [this] { host.kodekontrol().visKontrol(); });
    connect(h("aSlutkode"), &QAction::triggered, m_menuer, &HtmlMenuer::Slutkode);
    connect(h("aScriptSlutkoder"), &QAction::triggered, m_vbs, &VbsKommandoer::CompleteScriptBlock);
    connect(h("tsVbAbc"), &QAction::triggered, this, [this] { m_vbs->tsVbAbc(DocExt); });
    // The information commands look up what lies at this window's caret, whatever the kind
    // of document: the checker is bound to the editor only for the look-up.
    connect(h("aHTMLinfo"), &QAction::triggered, this, [this] {
        host.HtmlInfo(vedMarkoer([](Tinfotag& t) {
            const QString tag = t.GetTag();
            const TPosData& pos = t.PosData();
            return pos.CurPos == cpBetween || pos.Attribut.isEmpty() ? tag : pos.Attribut;
        }));
    });
    connect(h("aCssInfo"), &QAction::triggered, this,
            [this] { host.CssInfo(vedMarkoer([](Tinfotag& t) { return t.FindOrdCSS(); })); });
    connect(h("aJsInfo"), &QAction::triggered, this,
            [this] { host.JsInfo(vedMarkoer([](Tinfotag& t) { return t.FindOrdJs(); })); });
    connect(h("aVbInfo"), &QAction::triggered, this,
            [this] { host.VbsInfo(vedMarkoer([](Tinfotag& t) { return t.FindOrd(); })); });
    connect(m_menuer, &HtmlMenuer::kodeSkrevet, this, &Twinform::XYinfo);
    connect(m_vbs, &VbsKommandoer::kodeSkrevet, this, &Twinform::XYinfo);
    for (const char* name : {"aGoDokument", "aOpenFraSkriv"})
        h(name)->setEnabled(false);
    connect(h("EditUndo1"), &QAction::triggered, this,
            [this] { medEditor(m_plain, m_rich, [](auto* e) { e->undo(); }); });
    connect(h("EditCut1"), &QAction::triggered, this,
            [this] { medEditor(m_plain, m_rich, [](auto* e) { e->cut(); }); });
    connect(h("EditCopy1"), &QAction::triggered, this,
            [this] { medEditor(m_plain, m_rich, [](auto* e) { e->copy(); }); });
    connect(h("EditPaste1"), &QAction::triggered, this,
            [this] { medEditor(m_plain, m_rich, [](auto* e) { e->paste(); }); });
    connect(h("EditSelectAll1"), &QAction::triggered, this,
            [this] { medEditor(m_plain, m_rich, [](auto* e) { e->selectAll(); }); });
    connect(h("EditDelete1"), &QAction::triggered, this, [this] {
        medEditor(m_plain, m_rich, [](auto* e) { e->textCursor().removeSelectedText(); });
    });
}

void Twinform::forbindRigTekst() {
    const DokumentHandlinger& h = *m_handlinger;
    for (const char* name :
         {"RichEditBold1", "RichEditItalic1", "RichEditUnderline1", "RichEditStrikeOut1"})
        h(name)->setCheckable(true);
    connect(h("RichEditBold1"), &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontWeight(on ? QFont::Bold : QFont::Normal);
        flet(f);
    });
    connect(h("RichEditItalic1"), &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontItalic(on);
        flet(f);
    });
    connect(h("RichEditUnderline1"), &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontUnderline(on);
        flet(f);
    });
    connect(h("RichEditStrikeOut1"), &QAction::triggered, this, [this](bool on) {
        QTextCharFormat f;
        f.setFontStrikeOut(on);
        flet(f);
    });
    const std::pair<const char*, Qt::Alignment> justeringer[] = {
        {"RichEditAlignLeft1", Qt::AlignLeft | Qt::AlignAbsolute},
        {"RichEditAlignCenter1", Qt::AlignHCenter},
        {"RichEditAlignRight1", Qt::AlignRight | Qt::AlignAbsolute}};
    for (const auto& [name, justering] : justeringer)
        connect(h(name), &QAction::triggered, this, [this, retning = justering] {
            if (m_rich)
                m_rich->setAlignment(retning);
        });
    connect(h("RichEditBullets1"), &QAction::triggered, this, &Twinform::prik);
    connect(h("Amargin"), &QAction::triggered, this, &Twinform::margin);
    connect(h("Aoverskrift"), &QAction::triggered, this, [this] {
        SetFontSize(fontSizeDoc + 2);
        farve(Qt::blue);
    });
    connect(h("Atekst"), &QAction::triggered, this, [this] {
        SetFontSize(fontSizeDoc);
        farve(Qt::black);
    });
    connect(m_panelSkrivTop, &TSkrivPanel::stoerrelseValgt, this, &Twinform::SetFontSize);
    connect(m_panelSkrivTop, &TSkrivPanel::fontValgt, this, &Twinform::fontValgt);
    connect(m_panelSkrivTop, &TSkrivPanel::farveValgt, this, &Twinform::farve);
    connect(m_panelSkrivTop, &TSkrivPanel::hjaelp, this,
            [this] { this->host.HelpInfo(QStringLiteral("Tekstdokumenter"), false); });
}

QString Twinform::vedMarkoer(const std::function<QString(Tinfotag&)>& analyse) const {
    if (!m_plain)
        return {};
    Tinfotag& taginf = host.taginf();
    QPlainTextEdit* bundet = taginf.editor();
    taginf.setEditor(m_plain);
    const QString ord = analyse(taginf);
    taginf.setEditor(bundet);
    return ord;
}

void Twinform::opdaterIndsaet() {
    const bool kan =
        medEditor(m_plain, m_rich, [](auto* e) { return e && !e->isReadOnly() && e->canPaste(); });
    (*m_handlinger)("EditPaste1")->setEnabled(kan);
    (*m_handlinger)("pasteFromInfo")->setEnabled(kan);
}

void Twinform::InfoCap(int nummer, const QString& aCapNavn, const QString& docFname,
                       const QString& dokumentExt) {
    dokumentFilnavn = docFname;
    DocExt = TDokument::extAf(docFname);
    hjemmeside = erHjemmeside();
    winNo = nummer;
    CapNavn = QString::number(winNo) + QStringLiteral(": ") + aCapNavn;
    setWindowTitle(Rubrik::somTitel(aCapNavn));
    if (!docFname.isEmpty()) {
        if (!m_dok->hent(docFname).hentet) {
            // The document said why; the window stays, empty, until it is closed.
            dokumentFilnavn = kUkendt;
            ApplyDocumentMode();
            opstart = true;
            return;
        }
        host.funk().makeStruktur2(LogicalPath::parent(docFname), false);
        emit brugtFil(docFname);
    } else {
        m_dok->nyt(dokumentExt);
        if (!dokumentExt.isEmpty()) {
            DocExt = dokumentExt;
            ApplyDocumentMode();
            if (m_plain)
                host.taginf().setEditor(m_plain);
            WriteTemplate();
            hjemmeside = erHjemmeside();
        }
    }
    ApplyDocumentMode();
    // A loaded file is shown from its beginning.
    if (!docFname.isEmpty())
        medEditor(m_plain, m_rich, [](auto* e) { e->moveCursor(QTextCursor::Start); });
    opstart = true;
}

bool Twinform::erHjemmeside() {
    static const QStringList hjemmesider = {QStringLiteral(".html"), QStringLiteral(".asp"),
                                            QStringLiteral(".inc"), QStringLiteral(".asa")};
    const auto er = [this](const char* ext) {
        return DocExt.compare(QLatin1String(ext), Qt::CaseInsensitive) == 0;
    };
    const bool side = hjemmesider.contains(DocExt, Qt::CaseInsensitive);
    cssSide = er(".css");
    jsSide = er(".js");
    const bool script = er(".vbs") || er(".wsf");
    const bool bind = side || cssSide || jsSide || script;
    host.taginf().setEditor(bind ? m_plain : nullptr);

    m_htmlBar->setVisible(side);
    const bool info = side || cssSide || jsSide;
    for (QAction* plads : {m_tsCssInfo, m_tsJsInfo, m_tsHtmlInfo})
        plads->setVisible(info);
    for (QAction* plads : {m_tsVbInfo, m_tsVbAbc, m_tsVbSlutkoderPlads})
        plads->setVisible(side || script);
    for (const char* name : {"aKontrol", "aSlutkode", "AclassAttribut", "AstyleAttribut",
                             "AidAttribut", "AonclickEvent"})
        (*m_handlinger)(name)->setEnabled(side);
    (*m_handlinger)("tsVbAbc")->setEnabled(side || script);
    return side;
}

void Twinform::ApplyDocumentMode() {
    const bool rigTekst = DocExt.compare(QLatin1String(".rtf"), Qt::CaseInsensitive) == 0;
    if (rigTekst != rig())
        byggEditor(rigTekst);
    m_toolBar1->setVisible(!rigTekst);
    m_toolBar2->setVisible(rigTekst);
    m_panelSkrivTop->setVisible(rigTekst);
    for (const char* name : {"Aoverskrift", "Atekst", "Amargin", "RichEditBold1", "RichEditItalic1",
                             "RichEditUnderline1", "RichEditStrikeOut1", "RichEditBullets1",
                             "RichEditAlignLeft1", "RichEditAlignRight1", "RichEditAlignCenter1"})
        (*m_handlinger)(name)->setEnabled(rigTekst);
    const bool harFil = m_dok->harFilnavn();
    (*m_handlinger)("aGoDokument")->setEnabled(harFil);
    (*m_handlinger)("aOpenFraSkriv")->setEnabled(harFil);
    m_panels.at(7)->setText(LogicalPath::lastComponent(dokumentFilnavn));
    if (rigTekst)
        visRigFormat();
}

void Twinform::WriteTemplate() {
    m_dok->setAendret(true);
    const DokumentSkabelon::Skabelon skabelon = DokumentSkabelon::af(DocExt);
    if (skabelon.markeret < 0 || !m_plain) {
        m_dok->setAendret(false);
        return;
    }
    Tinfotag& taginf = host.taginf();
    const int sidste = int(skabelon.linjer.size()) - 1;
    for (int i = 0; i <= sidste; ++i)
        taginf.InsertLine(skabelon.linjer.at(i), true, i == skabelon.markeret, i == sidste);
    XYinfo();
}

void Twinform::XYinfo() {
    medEditor(m_plain, m_rich, [this](auto* e) {
        const QTextCursor caret = e->textCursor();
        LinieAntal = e->document()->blockCount();
        posY = caret.blockNumber();
        posX = caret.positionInBlock();
    });
    m_panels.at(1)->setText(QString::number(LinieAntal));
    m_panels.at(3)->setText(QString::number(posY + 1) + QLatin1Char(' '));
    m_panels.at(5)->setText(QString::number(posX) + QLatin1Char(' '));
}

void Twinform::visRigFormat() {
    if (!m_rich)
        return;
    const QTextCharFormat format = m_rich->textCursor().charFormat();
    const QFont font = format.font().resolve(m_dok->tekst()->defaultFont());
    // The family the text is really drawn in, which the font list holds.
    const QString familie = QFontInfo(font).family();
    const DokumentHandlinger& h = *m_handlinger;
    h("RichEditBold1")->setChecked(font.bold());
    h("RichEditItalic1")->setChecked(font.italic());
    h("RichEditUnderline1")->setChecked(font.underline());
    h("RichEditStrikeOut1")->setChecked(font.strikeOut());
    m_panelSkrivTop->ShowFontName(familie);
    m_panelSkrivTop->ShowFontSize(familie, qRound(font.pointSizeF()));
    m_panelSkrivTop->ColorGrid()->setForegroundColor(
        format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                         : QColor(Qt::black));
    m_panelSkrivTop->ColorGrid()->setBackgroundIndex(15);
}

void Twinform::flet(const QTextCharFormat& format) {
    if (m_rich)
        m_rich->mergeCurrentCharFormat(format);
}

void Twinform::SetFontSize(int size) {
    if (!m_panelSkrivTop->SizBox()->vaelgStoerrelse(size))
        return;
    if (m_rich) {
        QTextCharFormat f;
        f.setFontPointSize(size);
        flet(f);
    } else if (m_plain) {
        QFont font = m_plain->font();
        font.setPointSize(size);
        m_plain->setFont(font);
    }
}

void Twinform::fontValgt(const QString& name) {
    if (!m_rich)
        return;
    QTextCharFormat f;
    f.setFontFamilies({name});
    flet(f);
    const int size = qRound(
        m_rich->currentCharFormat().font().resolve(m_dok->tekst()->defaultFont()).pointSizeF());
    const int vist = m_panelSkrivTop->ShowFontSize(name, size);
    if (vist > 0 && vist != size)
        SetFontSize(vist);
    m_rich->setFocus();
}

void Twinform::farve(const QColor& color) {
    QTextCharFormat f;
    f.setForeground(color);
    flet(f);
    m_panelSkrivTop->ColorGrid()->setForegroundColor(color);
}

void Twinform::margin() {
    if (!m_rich)
        return;
    QTextBlockFormat f;
    f.setTextIndent(mmTilPunkter(4));
    f.setLeftMargin(0);
    f.setRightMargin(mmTilPunkter(5));
    m_rich->textCursor().mergeBlockFormat(f);
}

void Twinform::prik() {
    if (!m_rich)
        return;
    QTextCursor caret = m_rich->textCursor();
    caret.beginEditBlock();
    if (QTextList* liste = caret.currentList()) {
        for (QTextBlock b = m_dok->tekst()->findBlock(caret.selectionStart());
             b.isValid() && b.position() <= caret.selectionEnd(); b = b.next())
            liste->remove(b);
        QTextBlockFormat f = caret.blockFormat();
        f.setIndent(0);
        caret.setBlockFormat(f);
    } else {
        caret.createList(QTextListFormat::ListDisc);
    }
    caret.endEditBlock();
}

void Twinform::pasteFromInfo() {
    const QString tekst = Platform::clipboard().text();
    if (tekst.isEmpty())
        return;
    medEditor(m_plain, m_rich, [&tekst](auto* e) { e->insertPlainText(tekst); });
}

bool Twinform::SaveDocument() {
    if (dokumentFilnavn.isEmpty() || dokumentFilnavn == kUkendt || !m_dok->harFilnavn())
        return SaveDocumentAs();
    if (m_dok->gem() != TDokument::Gemning::Gemt)
        return false;
    emit brugtFil(dokumentFilnavn);
    return true;
}

bool Twinform::SaveDocumentAs() {
    const QString forslag = m_dok->harFilnavn() ? LogicalPath::lastComponent(m_dok->filnavn())
                                                : QStringLiteral("UdenNavn");
    const std::optional<QString> valgt = host.vaelgDokumentnavn(forslag);
    if (!valgt || valgt->isEmpty())
        return false;
    QString navn = *valgt;
    if (TDokument::extAf(navn).isEmpty())
        navn += DocExt;
    if (Platform::files().exists(navn) &&
        !Platform::prompter().question(
            QStringLiteral("\nFilen ") + LogicalPath::lastComponent(navn) +
            QStringLiteral(" eksisterer allerede!\nSkal den overskrives?")))
        return false;
    return gemSom(navn);
}

bool Twinform::gemSom(const QString& filnavn) {
    if (m_dok->gemSom(filnavn) != TDokument::Gemning::Gemt)
        return false;
    dokumentFilnavn = filnavn;
    m_panels.at(7)->setText(LogicalPath::lastComponent(filnavn));
    UpdateCaption();
    host.funk().makeStruktur2(LogicalPath::parent(filnavn), false);
    emit brugtFil(filnavn);
    return true;
}

void Twinform::UpdateCaption() {
    const QString navn = LogicalPath::lastComponent(dokumentFilnavn);
    const QString ny = QString::number(winNo) + QStringLiteral(": ") + navn;
    const QString gammel = CapNavn;
    CapNavn = ny;
    setWindowTitle(Rubrik::somTitel(navn));
    emit omdoebt(gammel, ny);
    DocExt = TDokument::extAf(dokumentFilnavn);
    // The face first: a plain editor made in place of the rich one takes the checker too.
    ApplyDocumentMode();
    hjemmeside = erHjemmeside();
}

void Twinform::udskriv() {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Platform::prompter().message(
            QStringLiteral("Der er ingen printer installeret.\nDokumentet kan ikke udskrives."),
            MessageKind::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    udskrivPaa(printer);
}

bool Twinform::udskrivPaa(QPrinter& printer) {
    Tprintform* form = m_printform.get();
    if (form->exec() != QDialog::Accepted)
        return false;
    const QStringList felter = {form->venstre(), form->hoejre(), form->top(), form->bund(),
                                form->kopier()};
    if (felter.contains(QString())) {
        Platform::prompter().message(QStringLiteral("Der mangler en værdi, prøv igen!"),
                                     MessageKind::Information);
        return false;
    }
    double cm[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> tal = Udskrivning::centimeter(felter.at(i));
        if (!tal) {
            Platform::prompter().message(QStringLiteral("\"") + felter.at(i) +
                                             QStringLiteral("\" er ikke en gyldig margen.\n"
                                                            "Skriv et tal, fx 2,5."),
                                         MessageKind::Information);
            return false;
        }
        cm[i] = *tal;
    }
    bool ok = false;
    const int kopier = felter.at(4).toInt(&ok);
    if (!ok || kopier < 1) {
        Platform::prompter().message(QStringLiteral("Der skal udskrives mindst 1 kopi."),
                                     MessageKind::Information);
        return false;
    }
    const Udskrivning::Margener margener{cm[0], cm[1], cm[2], cm[3]};
    printer.setFullPage(true);
    if (Udskrivning::sideRektangel(printer, margener).isEmpty()) {
        Platform::prompter().message(
            QStringLiteral("Margenerne er så store, at der ikke er plads til tekst på siden."),
            MessageKind::Information);
        return false;
    }
    const QFont font = medEditor(m_plain, m_rich, [](auto* e) { return e->font(); });
    if (!Udskrivning::PrintWithMargins(*m_dok->tekst(), font, printer, margener, kopier)) {
        Platform::prompter().message(QStringLiteral("Printeren kunne ikke startes."),
                                     MessageKind::Error);
        return false;
    }
    return true;
}

void Twinform::FormActivate() {
    opstart = false;
    hjemmeside = erHjemmeside();
    emit aktiveret(this);
}

bool Twinform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == infoTekst() && event->type() == QEvent::FocusIn)
        FormActivate();
    return QWidget::eventFilter(watched, event);
}

bool Twinform::luk() {
    if (auto* ramme = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return ramme->close();
    return close();
}

void Twinform::closeEvent(QCloseEvent* event) {
    dontClose = false;
    if (m_dok->erAendret() &&
        !Platform::prompter().question(
            QStringLiteral("\nNuværende dokument er ikke gemt.\nSkal det lukkes alligevel?"))) {
        dontClose = true;
        event->ignore();
        return;
    }
    if (m_plain) {
        host.opt().fontNameDocument = m_plain->font().family();
        host.opt().fontSizeDocument = m_plain->font().pointSize();
    }
    if (m_plain && host.taginf().editor() == m_plain)
        host.taginf().setEditor(nullptr);
    event->accept();
    emit lukket(this);
}

void Twinform::vaelg(qint64 position, int laengde, bool fokus) {
    QTextDocument* doc = m_dok->tekst();
    const qint64 slut = doc->characterCount() - 1;
    QTextCursor caret(doc);
    caret.setPosition(int(qBound(qint64(0), position, slut)));
    caret.setPosition(int(qMin(qint64(caret.position()) + laengde, slut)), QTextCursor::KeepAnchor);
    medEditor(m_plain, m_rich, [&caret](auto* e) {
        e->setTextCursor(caret);
        e->ensureCursorVisible();
    });
    show();
    if (fokus)
        infoTekst()->setFocus();
    XYinfo();
}

QString Twinform::InfoX(int nummer) const {
    return m_panels.value(nummer) ? m_panels.at(nummer)->text() : QString();
}

QString Twinform::dokumentNavn() const {
    return m_dok->harFilnavn() ? m_dok->filnavn() : windowTitle();
}

QAction* Twinform::handling(const char* name) const {
    return (*m_handlinger)(name);
}

const QList<QKeySequence>& Twinform::egneTaster() const {
    return m_handlinger->egneTaster();
}

QAction* Twinform::aKontrol() const {
    return handling("aKontrol");
}
QAction* Twinform::aSlutkode() const {
    return handling("aSlutkode");
}
QAction* Twinform::AclassAttribut() const {
    return handling("AclassAttribut");
}
QAction* Twinform::AstyleAttribut() const {
    return handling("AstyleAttribut");
}
QAction* Twinform::AidAttribut() const {
    return handling("AidAttribut");
}
QAction* Twinform::AonclickEvent() const {
    return handling("AonclickEvent");
}
QAction* Twinform::aHTMLinfo() const {
    return handling("aHTMLinfo");
}
QAction* Twinform::aCssInfo() const {
    return handling("aCssInfo");
}
QAction* Twinform::aJsInfo() const {
    return handling("aJsInfo");
}
QAction* Twinform::aVbInfo() const {
    return handling("aVbInfo");
}
QAction* Twinform::aScriptSlutkoder() const {
    return handling("aScriptSlutkoder");
}
QAction* Twinform::tsVbAbc() const {
    return handling("tsVbAbc");
}
