#include "infoform.h"

#include "hintlinje.h"
#include "infobrowser.h"
#include "urlform.h"

#include "engine/struktur.h"
#include "engine/strukturnode.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/centreddialog.h"
#include "shared/datafolders.h"
#include "shared/imagelists.h"
#include "shared/mainhost.h"
#include "shared/skaermplads.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Emne {
    const char* fil;
    QList<QIcon> (*billeder)();
};

Emne emneAf(InfoEmne emne) {
    switch (emne) {
    case InfoEmne::Html:
        return {"information.txt", ImageLists::htmlListe};
    case InfoEmne::HtmlEksempler:
        return {"Eksempler.txt", ImageLists::htmlListe};
    case InfoEmne::Css:
        return {"CSS.txt", ImageLists::htmlListe};
    case InfoEmne::Js:
        return {"JavaScript.txt", ImageLists::htmlListe};
    case InfoEmne::Vbs:
        return {"VBS.txt", ImageLists::scriptListe};
    case InfoEmne::Program:
        break;
    }
    return {"Ravnsti.txt", ImageLists::strukturImage};
}

const QString kProgramhjaelp = QStringLiteral("Ravnsti.txt");

// The search site texts that are no page of the topic go to.
const QString kSoegeside = QStringLiteral("https://www.google.com/search");

// The size the window opens at before it has a place of its own.
constexpr QSize kStartstoerrelse(1000, 700);

bool erWebadresse(const QUrl& url) {
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

bool erEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

Tinfoform::Tinfoform(MainHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), strukturnavn(kProgramhjaelp), newNavn(kProgramhjaelp),
      strukturdir(host.mapper().strukturDir), m_host(host),
      optFilnavn(host.mapper().optDir + QStringLiteral("information.txt")),
      m_splitter(new QSplitter(Qt::Horizontal, this)), m_sEdit(new QLineEdit),
      m_struktur(new TStruktur), m_edit(new QLineEdit), m_web(new InfoBrowser),
      m_infobar(new HintLinje(this)),
      m_urlform(new Turlform(urlIndex, host.mapper().optDir, this)) {
    setObjectName(QStringLiteral("infoform"));
    setWindowTitle(QStringLiteral("Strukturer"));
    setMinimumSize(760, 500);
    m_infobar->setObjectName(QStringLiteral("infobar"));

    // The left panel: search box, tool bar, tree.
    auto* venstre = new QWidget;
    venstre->setMinimumWidth(200);
    m_sEdit->setObjectName(QStringLiteral("sEdit"));
    m_sEdit->setClearButtonEnabled(true);
    m_aSearch =
        handling("aSearch", QStringLiteral("search"),
                 QStringLiteral("Søg i aktuelle struktur: Ctrl+S eller skriv og tryk Enter"));
    m_aSearch->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_aSearch, &QAction::triggered, this, &Tinfoform::SearchNode);
    connect(m_sEdit, &QLineEdit::returnPressed, this, [this] {
        if (!m_sEdit->text().isEmpty())
            SearchNode();
    });
    auto* soeg = new QHBoxLayout;
    soeg->setContentsMargins(2, 2, 2, 0);
    soeg->addWidget(m_sEdit, 1);
    soeg->addWidget(knap(m_aSearch));

    auto* htmlBar = new QToolBar;
    htmlBar->setObjectName(QStringLiteral("htmlBar"));
    htmlBar->setIconSize(QSize(16, 16));
    byggMenu();
    auto* tbStrukturer = new QToolButton;
    tbStrukturer->setObjectName(QStringLiteral("tbStrukturer"));
    tbStrukturer->setText(QStringLiteral("Strukturer"));
    tbStrukturer->setToolTip(QStringLiteral("Informations strukturer"));
    tbStrukturer->setStatusTip(tbStrukturer->toolTip());
    tbStrukturer->setMenu(m_puStrukturer);
    tbStrukturer->setPopupMode(QToolButton::InstantPopup);
    tbStrukturer->setToolButtonStyle(Qt::ToolButtonTextOnly);
    htmlBar->addWidget(tbStrukturer);
    htmlBar->addSeparator();
    QAction* udfold =
        handling("expandKnap", QStringLiteral("kontrol-udfold"), QStringLiteral("Udfold struktur"));
    connect(udfold, &QAction::triggered, m_struktur, &QTreeWidget::expandAll);
    htmlBar->addWidget(knap(udfold));
    QAction* sammenfold = handling("collapseKnap", QStringLiteral("kontrol-sammenfold"),
                                   QStringLiteral("Sammenfold struktur"));
    connect(sammenfold, &QAction::triggered, m_struktur, &QTreeWidget::collapseAll);
    htmlBar->addWidget(knap(sammenfold));

    m_struktur->setObjectName(QStringLiteral("Struktur"));
    m_struktur->setDataOn(true);
    m_struktur->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_struktur->installEventFilter(this);
    connect(m_struktur, &QTreeWidget::itemClicked, this, &Tinfoform::StrukturClick);

    auto* venstreLayout = new QVBoxLayout(venstre);
    venstreLayout->setContentsMargins(0, 0, 0, 0);
    venstreLayout->setSpacing(2);
    venstreLayout->addLayout(soeg);
    venstreLayout->addWidget(htmlBar);
    venstreLayout->addWidget(m_struktur, 1);

    // The right panel: the navigation bar above the page.
    auto* hoejre = new QWidget;
    hoejre->setMinimumWidth(400);
    auto* navBar = new QToolBar;
    navBar->setObjectName(QStringLiteral("navBar"));
    navBar->setIconSize(QSize(16, 16));
    m_afirst = handling("Afirst", QStringLiteral("info-foerste"), QStringLiteral("Gå til første"));
    connect(m_afirst, &QAction::triggered, this, [this] { gaaTilIndeks(0); });
    m_aback = handling("Aback", QStringLiteral("info-tilbage"), QStringLiteral("Tilbage"));
    m_aback->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    connect(m_aback, &QAction::triggered, this,
            [this] { gaaTilIndeks(std::max(urlIndex - 1, 0)); });
    m_aforward = handling("Aforward", QStringLiteral("info-frem"), QStringLiteral("Frem"));
    m_aforward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    connect(m_aforward, &QAction::triggered, this,
            [this] { gaaTilIndeks(std::min(urlIndex + 1, m_urlform->urlListe()->count() - 1)); });
    m_alast = handling("Alast", QStringLiteral("info-sidste"), QStringLiteral("Gå til sidste"));
    connect(m_alast, &QAction::triggered, this,
            [this] { gaaTilIndeks(m_urlform->urlListe()->count() - 1); });
    for (QAction* a : {m_afirst, m_aback, m_aforward, m_alast})
        navBar->addWidget(knap(a));
    m_edit->setObjectName(QStringLiteral("Edit"));
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        if (!m_edit->text().trimmed().isEmpty())
            Ago();
    });
    navBar->addWidget(m_edit);
    m_ago = handling("Ago", QStringLiteral("info-gaa"), QStringLiteral("Opdater/Gå"));
    connect(m_ago, &QAction::triggered, this, &Tinfoform::Ago);
    navBar->addWidget(knap(m_ago));
    QAction* urlListe =
        handling("urlListeKnap", QStringLiteral("info-urlliste"), QStringLiteral("Åben urllisten"));
    connect(urlListe, &QAction::triggered, this, [this] {
        m_urlform->show();
        m_urlform->raise();
        m_urlform->activateWindow();
    });
    navBar->addWidget(knap(urlListe));
    QAction* redigerButton = handling("redigerButton", QStringLiteral("doc-edit"),
                                      QStringLiteral("Rediger aktuelle hjemmeside"));
    connect(redigerButton, &QAction::triggered, this, &Tinfoform::rediger);
    navBar->addWidget(knap(redigerButton));

    m_web->setObjectName(QStringLiteral("Web"));
    connect(m_web, &QTextBrowser::anchorClicked, this, &Tinfoform::linkKlikket);
    connect(m_web, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            &Tinfoform::DocumentMouseOver);

    auto* hoejreLayout = new QVBoxLayout(hoejre);
    hoejreLayout->setContentsMargins(0, 0, 0, 0);
    hoejreLayout->setSpacing(2);
    hoejreLayout->addWidget(navBar);
    hoejreLayout->addWidget(m_web, 1);

    m_splitter->addWidget(venstre);
    m_splitter->addWidget(hoejre);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({260, 740});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_infobar);

    connect(m_urlform, &Turlform::valgt, this, &Tinfoform::gaaTilIndeks);
    for (QAction* a : {m_urlform->ArensDobbelt(), m_urlform->AsletAlle()})
        connect(a, &QAction::triggered, this, &Tinfoform::opdaterHandlinger);
    connect(m_sEdit, &QLineEdit::textChanged, this, &Tinfoform::opdaterHandlinger);
    connect(m_edit, &QLineEdit::textChanged, this, &Tinfoform::opdaterHandlinger);

    hentGeometri();
    m_struktur->setImages(ImageLists::strukturImage());
    LoadStruktur();
}

QAction* Tinfoform::handling(const char* navn, const QString& ikon, const QString& hint) {
    auto* a = new QAction(CentredDialog::programIcon(ikon), hint, this);
    a->setObjectName(QLatin1String(navn));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    addAction(a);
    return a;
}

QToolButton* Tinfoform::knap(QAction* handling) {
    auto* knap = new QToolButton;
    knap->setObjectName(handling->objectName());
    knap->setDefaultAction(handling);
    knap->setAutoRaise(true);
    return knap;
}

void Tinfoform::byggMenu() {
    m_puStrukturer = new QMenu(this);
    m_puStrukturer->setObjectName(QStringLiteral("PUstrukturer"));
    const auto punkt = [this](const QString& tekst, const QString& hint, auto aabner) {
        QAction* a = m_puStrukturer->addAction(tekst);
        a->setStatusTip(hint);
        a->setToolTip(hint);
        connect(a, &QAction::triggered, this, [this, aabner] { (m_host.*aabner)(QString()); });
    };
    punkt(QStringLiteral("Html information"),
          QStringLiteral("Information og eksempler angående html5"), &MainHost::HtmlInfo);
    punkt(QStringLiteral("Html eksempler"), QStringLiteral("Html eksempler med css-koder"),
          &MainHost::HtmlEksemplerInfo);
    punkt(QStringLiteral("Css information"),
          QStringLiteral("Information og eksempler angående Css-koder"), &MainHost::CssInfo);
    punkt(QStringLiteral("JavaScript information"),
          QStringLiteral("Information og eksempler angående JavaScript"), &MainHost::JsInfo);
    punkt(QStringLiteral("Script information"),
          QStringLiteral("Information og eksempler angående WScript og VbScript"),
          &MainHost::VbsInfo);
    m_puStrukturer->addSeparator();
    QAction* program = m_puStrukturer->addAction(QStringLiteral("Program information"));
    program->setStatusTip(QStringLiteral("Information om programmet"));
    program->setToolTip(program->statusTip());
    connect(program, &QAction::triggered, this, [this] { m_host.HelpInfo(QString(), false); });
}

QString Tinfoform::status() const {
    return m_infobar->tekst();
}

void Tinfoform::aabn(InfoEmne emne, const QString& S) {
    const Emne valgt = emneAf(emne);
    m_sEdit->setText(S);
    newNavn = QLatin1String(valgt.fil);
    // A topic that was missing is looked for again: it may have been installed since.
    if (newNavn.compare(strukturnavn, Qt::CaseInsensitive) != 0 ||
        m_struktur->topLevelItemCount() == 0) {
        strukturnavn = newNavn;
        m_struktur->setImages(valgt.billeder());
        LoadStruktur();
    }
    goToInfo(S);
}

void Tinfoform::startForfra() {
    strukturnavn = newNavn = kProgramhjaelp;
    m_struktur->setImages(ImageLists::strukturImage());
    LoadStruktur();
    hentGeometri();
    placer();
}

void Tinfoform::LoadStruktur() {
    urlIndex = -1;
    m_urlform->sletAlle();
    m_web->tom();
    m_edit->clear();
    hjemmeside.clear();
    globalUrl.clear();
    const QString navn = LogicalPath::baseName(strukturnavn);
    setWindowTitle(navn);
    const QString emnefil = strukturdir + QLatin1Char('\\') + strukturnavn;
    if (!Platform::files().isFile(emnefil)) {
        // The names stay those of the topic asked for; its tree is empty until it is there.
        m_struktur->clear();
        m_web->setMapper(QString(), QString());
        m_infobar->besked(
            QStringLiteral("Emnet \"%1\" er ikke installeret. Der er ingen sider at vise.")
                .arg(navn));
        opdaterHandlinger();
        return;
    }
    const QString mappe = strukturdir + QLatin1Char('\\') + navn;
    const QString infomappe = mappe + QStringLiteral("\\tekstfiler");
    m_struktur->setBilledmappe(mappe + QStringLiteral("\\Billeder\\"));
    m_struktur->setStrukturfile(mappe + QStringLiteral("\\struktur.txt"));
    m_struktur->setDatafile(mappe + QStringLiteral("\\data.txt"));
    m_struktur->setInfomappe(infomappe + QLatin1Char('\\'));
    m_struktur->setHtmlmappe(infomappe + QStringLiteral("\\Design og funktioner\\"));
    m_web->setMapper(mappe, infomappe);
    m_struktur->HentStruktur();
    m_infobar->besked(m_struktur->topLevelItemCount() == 0
                          ? QStringLiteral("Emnet \"%1\" har ingen sider.").arg(navn)
                          : QString());
    opdaterHandlinger();
}

bool Tinfoform::goToInfo(const QString& openNodetekst) {
    visVindue();
    const QList<QTreeWidgetItem*> noder = m_struktur->allNodes();
    if (noder.isEmpty())
        return false;
    const QString tekst = openNodetekst.isEmpty() ? noder.first()->text(0) : openNodetekst;
    for (QTreeWidgetItem* node : noder)
        if (node->text(0).compare(tekst, Qt::CaseInsensitive) == 0) {
            vaelgNode(node);
            node->setExpanded(true);
            StrukturClick();
            return true;
        }
    vaelgNode(noder.first());
    StrukturClick();
    m_infobar->besked(QStringLiteral("Der er ingen side om \"%1\" i \"%2\". Emnets første side "
                                     "vises.")
                          .arg(openNodetekst, LogicalPath::baseName(strukturnavn)));
    return false;
}

void Tinfoform::vaelgNode(QTreeWidgetItem* node) {
    m_struktur->setCurrentItem(node);
    m_struktur->scrollToItem(node);
}

void Tinfoform::StrukturClick() {
    const QTreeWidgetItem* node = m_struktur->selectedNode();
    if (!node)
        return;
    const QString navn = TStrukturNode::key(node) + QStringLiteral(".html");
    QString sti;
    switch (m_web->find(navn, sti)) {
    case InfoBrowser::Side::Fundet:
        hjemmeside = sti;
        naviger(sti);
        break;
    case InfoBrowser::Side::Udenfor:
        m_web->tom();
        m_infobar->besked(
            QStringLiteral("Siden \"%1\" ligger uden for emnets mappe og åbnes ikke.").arg(navn));
        break;
    case InfoBrowser::Side::Mangler:
        m_web->tom();
        m_infobar->besked(QStringLiteral("Siden \"%1\" findes ikke.").arg(navn));
        break;
    }
}

void Tinfoform::SearchNode() {
    const QString tekst = m_sEdit->text().trimmed();
    const QList<QTreeWidgetItem*> noder = m_struktur->allNodes();
    if (tekst.isEmpty() || noder.isEmpty())
        return;
    const auto lig = [&tekst](const QTreeWidgetItem* node) {
        return node->text(0).compare(tekst, Qt::CaseInsensitive) == 0;
    };
    QTreeWidgetItem* valgt = m_struktur->selectedNode();
    const qsizetype start = valgt ? noder.indexOf(valgt) + 1 : 1;
    for (qsizetype i = start; i < noder.size(); ++i)
        if (lig(noder.at(i))) {
            m_struktur->collapseAll();
            vaelgNode(noder.at(i));
            noder.at(i)->setExpanded(true);
            StrukturClick();
            return;
        }
    vaelgNode(noder.first());
    if (std::none_of(noder.begin(), noder.end(), lig))
        m_infobar->besked(QStringLiteral("Der er intet punkt ved navn \"%1\".").arg(tekst));
}

bool Tinfoform::naviger(const QString& sti, const QString& anker) {
    globalUrl.clear();
    if (!m_web->visSide(sti, anker)) {
        naviKlikket = false;
        m_infobar->besked(
            QStringLiteral("Siden \"%1\" kunne ikke læses.").arg(m_web->sidenavn(sti)));
        return false;
    }
    sideVist(sti);
    return true;
}

void Tinfoform::sideVist(const QString& sti) {
    const QString navn = m_web->sidenavn(sti);
    if (navn.isEmpty())
        return;
    QListWidget* liste = m_urlform->urlListe();
    if (naviKlikket) {
        naviKlikket = false;
    } else if (liste->count() > 0 && urlIndex + 1 != liste->count()) {
        ++urlIndex;
        liste->insertItem(urlIndex, navn);
    } else {
        liste->addItem(navn);
        urlIndex = liste->count() - 1;
    }
    m_urlform->visAktuelle();
    m_edit->setText(navn);
    opdaterHandlinger();
}

void Tinfoform::gaaTilIndeks(int index) {
    QListWidget* liste = m_urlform->urlListe();
    if (index < 0 || index >= liste->count())
        return;
    urlIndex = index;
    const QString navn = liste->item(index)->text();
    QString sti;
    if (m_web->find(navn, sti) == InfoBrowser::Side::Fundet) {
        naviKlikket = true;
        naviger(sti);
    } else {
        m_urlform->visAktuelle();
        m_infobar->besked(QStringLiteral("Siden \"%1\" findes ikke længere.").arg(navn));
    }
    opdaterHandlinger();
}

void Tinfoform::linkKlikket(const QUrl& url) {
    if (erWebadresse(url)) {
        aabnIBrowser(url);
        return;
    }
    const std::optional<QString> sti = InfoBrowser::sti(url);
    if (!sti) {
        m_infobar->besked(QStringLiteral("Linket \"%1\" åbnes ikke: kun emnets egne sider og "
                                         "http- og https-adresser kan åbnes.")
                              .arg(url.toString()));
        return;
    }
    if (url.hasFragment() && LogicalPath::same(*sti, m_web->side())) {
        m_web->scrollToAnchor(url.fragment());
        return;
    }
    switch (m_web->tjek(*sti)) {
    case InfoBrowser::Side::Fundet:
        naviger(*sti, url.fragment());
        break;
    case InfoBrowser::Side::Udenfor:
        m_infobar->besked(QStringLiteral("Linket fører uden for emnets mappe og åbnes ikke."));
        break;
    case InfoBrowser::Side::Mangler:
        m_infobar->besked(QStringLiteral("Siden \"%1\" findes ikke.").arg(m_web->sidenavn(*sti)));
        break;
    }
}

void Tinfoform::DocumentMouseOver(const QUrl& url) {
    globalUrl.clear();
    m_infobar->besked(QString());
    if (url.isEmpty() || !url.isValid())
        return;
    if (const std::optional<QString> sti = InfoBrowser::sti(url)) {
        const QString navn = m_web->sidenavn(*sti);
        globalUrl = navn.isEmpty() ? *sti : navn;
        if (url.hasFragment())
            globalUrl += QLatin1Char('#') + url.fragment();
    } else {
        globalUrl = url.toString();
    }
    m_infobar->besked(globalUrl);
}

void Tinfoform::Ago() {
    const QString tekst = m_edit->text().trimmed();
    if (tekst.isEmpty())
        return;
    const QUrl adresse(tekst, QUrl::StrictMode);
    if (erWebadresse(adresse)) {
        aabnIBrowser(adresse);
        return;
    }
    // "C:" is a drive, not the scheme of an address.
    if (adresse.isValid() && adresse.scheme().size() > 1) {
        m_infobar->besked(QStringLiteral("Adressen \"%1\" åbnes ikke: kun http- og "
                                         "https-adresser åbnes uden for programmet.")
                              .arg(tekst));
        return;
    }
    QString sti;
    InfoBrowser::Side side = m_web->find(tekst, sti);
    if (side == InfoBrowser::Side::Mangler &&
        !tekst.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive))
        side = m_web->find(tekst + QStringLiteral(".html"), sti);
    switch (side) {
    case InfoBrowser::Side::Fundet:
        naviger(sti);
        break;
    case InfoBrowser::Side::Udenfor:
        m_infobar->besked(
            QStringLiteral("Siden \"%1\" ligger uden for emnets mappe og åbnes ikke.").arg(tekst));
        break;
    case InfoBrowser::Side::Mangler: {
        QUrl soegning(kSoegeside);
        soegning.setQuery(QStringLiteral("q=") +
                              QString::fromLatin1(QUrl::toPercentEncoding(tekst)),
                          QUrl::StrictMode);
        aabnIBrowser(soegning);
        break;
    }
    }
}

void Tinfoform::aabnIBrowser(const QUrl& url) {
    const QString adresse = url.toString(QUrl::FullyEncoded);
    if (ShellResult::succeeded(Platform::shell().openUrl(adresse)))
        m_infobar->besked(QStringLiteral("\"%1\" er åbnet i browseren.").arg(adresse));
    else
        m_infobar->besked(
            QStringLiteral("\"%1\" kunne ikke åbnes: der er ingen browser at åbne den i.")
                .arg(adresse));
}

void Tinfoform::rediger() {
    if (Platform::files().isFile(hjemmeside))
        m_host.openwin(LogicalPath::lastComponent(hjemmeside), hjemmeside);
}

void Tinfoform::opdaterHandlinger() {
    const int antal = m_urlform->urlListe()->count();
    m_aSearch->setEnabled(!m_sEdit->text().trimmed().isEmpty());
    m_ago->setEnabled(!m_edit->text().trimmed().isEmpty());
    m_afirst->setEnabled(antal >= 2 && urlIndex > 0);
    m_aback->setEnabled(urlIndex > 0);
    m_aforward->setEnabled(urlIndex < antal - 1);
    m_alast->setEnabled(antal >= 2 && urlIndex < antal - 1);
}

void Tinfoform::hentGeometri() {
    m_gemt = QRect();
    QStringList linjer;
    if (!Platform::files().exists(optFilnavn) || !TextFile::read(optFilnavn, linjer) ||
        linjer.size() < 5)
        return;
    int tal[5];
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        tal[i] = linjer.at(i).trimmed().toInt(&ok);
        if (!ok)
            return;
    }
    if (tal[2] <= 0 || tal[3] <= 0)
        return;
    m_gemt = QRect(tal[1], tal[0], tal[2], tal[3]);
    const int venstre = std::max(tal[4], 200);
    m_splitter->setSizes({venstre, std::max(tal[2] - venstre, 400)});
}

void Tinfoform::placer() {
    const QScreen* skaerm =
        m_gemt.isNull() ? nullptr : QGuiApplication::screenAt(m_gemt.topLeft() + QPoint(50, 10));
    if (skaerm) {
        resize(m_gemt.size().expandedTo(minimumSize()));
        move(m_gemt.topLeft());
        return;
    }
    // No place of its own (or one on no screen): centred on the main window, as large as
    // the screen allows.
    const QWidget* midt = m_host.hovedvindue();
    const QScreen* her = midt->screen() ? midt->screen() : QGuiApplication::primaryScreen();
    const QRect ledig = her ? her->availableGeometry() : QRect(QPoint(), kStartstoerrelse);
    const QSize oensket = m_gemt.isNull() ? kStartstoerrelse : m_gemt.size();
    resize(oensket.boundedTo(ledig.size() - QSize(40, 60)).expandedTo(minimumSize()));
    QRect ramme(QPoint(), size());
    ramme.moveCenter(midt->isVisible() ? midt->frameGeometry().center() : ledig.center());
    move(Skaermplads::inden(ramme).topLeft());
}

void Tinfoform::gemGeometri() const {
    (void)TextFile::write(optFilnavn, {QString::number(y()), QString::number(x()),
                                       QString::number(width()), QString::number(height()),
                                       QString::number(m_splitter->sizes().value(0))});
}

void Tinfoform::visVindue() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->window() != window() && !isAncestorOf(modal))
        flytTil(modal);
    if (!isVisible())
        show();
    raise();
    activateWindow();
}

void Tinfoform::flytTil(QWidget* ejer) {
    if (parentWidget() == ejer)
        return;
    if (parentWidget() && parentWidget() != m_host.hovedvindue())
        parentWidget()->removeEventFilter(this);
    const QPoint plads = pos();
    const bool synlig = isVisible();
    // A window that belongs to the modal dialog is not blocked by it and stays above it.
    setParent(ejer, windowFlags());
    move(plads);
    if (ejer != m_host.hovedvindue())
        ejer->installEventFilter(this);
    if (synlig)
        show();
}

bool Tinfoform::event(QEvent* event) {
    if (m_infobar->visHint(event))
        return true;
    return QWidget::event(event);
}

void Tinfoform::showEvent(QShowEvent* event) {
    if (opstart) {
        opstart = false;
        placer();
    }
    QWidget::showEvent(event);
}

void Tinfoform::closeEvent(QCloseEvent* event) {
    gemGeometri();
    m_urlform->close();
    QWidget::closeEvent(event);
}

bool Tinfoform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_struktur && event->type() == QEvent::KeyPress) {
        const auto* tast = static_cast<QKeyEvent*>(event);
        if (erEnter(tast) || tast->key() == Qt::Key_Space) {
            StrukturClick();
            return true;
        }
    }
    // The dialog the viewer was shown above has closed: the viewer goes back to the main
    // window before the dialog may be deleted.
    if (watched == parentWidget() && watched != m_host.hovedvindue() &&
        event->type() == QEvent::Hide)
        flytTil(m_host.hovedvindue());
    return QWidget::eventFilter(watched, event);
}
