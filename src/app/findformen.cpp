#include "findformen.h"
#include "shared/arbejdsvagt.h"
#include "shared/dialogknapper.h"

#include "engine/handlinger.h"
#include "platform/logicalpath.h"
#include "shared/mainhost.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QToolButton>

namespace {

QToolButton* commandButton(const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

// "3 mapper kunne ikke læses." for the folders a search skipped; empty when none.
QString ulaesteMapper(int antal) {
    if (antal == 0)
        return {};
    return QStringLiteral(" %1 %2 kunne ikke læses.")
        .arg(antal)
        .arg(antal == 1 ? QStringLiteral("mappe") : QStringLiteral("mapper"));
}

} // namespace

Tfindformen::Tfindformen(MainHost& host) : CentredDialog(host.hovedvindue()), m_host(host) {
    setObjectName(QStringLiteral("findformen"));
    setWindowTitle(QStringLiteral("Find eller fremvis filtyepe"));

    auto* betingelser = new QGroupBox(QStringLiteral("Betingelser"), this);
    betingelser->setObjectName(QStringLiteral("SearchOpt"));
    auto* valg = new QHBoxLayout(betingelser);
    const char* const captions[] = {"Kun filer", "Kun mapper", "Begge"};
    for (int i = 0; i < 3; ++i) {
        m_options[i] = new QRadioButton(QLatin1String(captions[i]), betingelser);
        valg->addWidget(m_options[i]);
    }
    m_options[TSearchHandlinger::Begge]->setChecked(true);

    m_labelSearch = new QLabel(QStringLiteral("Søg i valgte mappe"), this);
    m_labelSearch->setObjectName(QStringLiteral("LabelSearch"));
    m_editSearch = historikBoks("EditSearch", this);
    m_speedButton3 = commandButton("SpeedButton3", this);
    m_speedButton2 = commandButton("SpeedButton2", this);
    m_checkPos = new QCheckBox(QStringLiteral("Ikke kun hele ord"), this);
    m_checkPos->setObjectName(QStringLiteral("checkPos"));
    m_antalFundne = new QLabel(QStringLiteral("Fundne"), this);
    m_antalFundne->setObjectName(QStringLiteral("LabelSearchAntalFundne"));
    m_antalFundne->setWordWrap(true);
    QPushButton* sbHelpSearch = dialogKnap("sbHelpSearch", QStringLiteral("Information"),
                                           QStringLiteral("Information om søgefunktionen"), this);
    QPushButton* infoKnap = dialogKnap("infoKnap", QStringLiteral("Information"),
                                       QStringLiteral("Information om Find-specialboksen"), this);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_editSearch, 1);
    searchRow->addWidget(m_speedButton3);
    searchRow->addWidget(m_speedButton2);
    auto* helpRow = new QHBoxLayout;
    helpRow->addWidget(sbHelpSearch);
    helpRow->addWidget(infoKnap);
    helpRow->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(betingelser);
    left->addWidget(m_labelSearch);
    left->addLayout(searchRow);
    left->addWidget(m_checkPos);
    left->addWidget(m_antalFundne);
    left->addStretch();
    left->addLayout(helpRow);

    auto* fremvisPanel = new QGroupBox(QStringLiteral("Fremvis filtype"), this);
    fremvisPanel->setObjectName(QStringLiteral("PanelFremvis"));
    m_editFremvis = historikBoks("EditFremvis", fremvisPanel);
    m_editFremvis->setToolTip(QStringLiteral("Indfør filtype"));
    m_editFremvis->addItems({"asp", "css", "html", "js", "txt", "vbs", "wsf"});
    m_editFremvis->setCurrentIndex(-1);
    QPushButton* sbFremvis =
        dialogKnap("sbFremvis", QStringLiteral("Fremvis"),
                   QStringLiteral("Fremvis filer af indført filtype"), fremvisPanel);
    QPushButton* sbFremvisKun =
        dialogKnap("sbFremvisKun", QStringLiteral("Vis kun"),
                   QStringLiteral("Vis kun filer af indførte type"), fremvisPanel);
    m_fremvisInfo = new QLabel(QStringLiteral("Fundet: 0"), fremvisPanel);
    m_fremvisInfo->setObjectName(QStringLiteral("fremvisInfo"));
    QPushButton* sbHelpFremvis =
        dialogKnap("sbHelpFremvis", QStringLiteral("Information"),
                   QStringLiteral("Information om fremvis funktionen"), fremvisPanel);
    auto* fremvisKnapper = new QHBoxLayout;
    fremvisKnapper->addWidget(sbFremvis);
    fremvisKnapper->addWidget(sbFremvisKun);
    auto* right = new QVBoxLayout(fremvisPanel);
    right->addWidget(m_editFremvis);
    right->addLayout(fremvisKnapper);
    right->addWidget(m_fremvisInfo);
    right->addStretch();
    right->addWidget(sbHelpFremvis);

    m_stop = dialogKnap("sbStop", QStringLiteral("Stop"), QStringLiteral("Stop søgningen"), this);
    m_stop->hide();
    searchRow->addWidget(m_stop);
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_vagt)
            m_vagt->stop();
    });
    QPushButton* luk = dialogKnap("Button10", QStringLiteral("Luk"), QString(), this);
    auto* panels = new QHBoxLayout;
    panels->addLayout(left, 3);
    panels->addWidget(fremvisPanel, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(luk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panels);
    layout->addLayout(bottom);
    setFirstFocus(m_editSearch);

    // The boxes, not their line edits: a box with the focus hands its keys to the line edit
    // directly, past any filter, while a key the line edit ignores comes up to the box.
    m_editSearch->installEventFilter(this);
    m_editFremvis->installEventFilter(this);
    connect(sbFremvis, &QPushButton::clicked, this, [this] { fremvis(false); });
    connect(sbFremvisKun, &QPushButton::clicked, this, [this] { fremvis(true); });
    connect(sbHelpSearch, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Søg"), false); });
    connect(infoKnap, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Søg"), false); });
    connect(sbHelpFremvis, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Fremvis filtype"), false); });
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
}

bool Tfindformen::eventFilter(QObject* watched, QEvent* event) {
    const bool enter = event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (enter && watched == m_editSearch) {
        if (m_aSearch && m_aSearch->isEnabled())
            m_aSearch->trigger();
        return true;
    }
    if (enter && watched == m_editFremvis) {
        fremvis(false);
        return true;
    }
    return CentredDialog::eventFilter(watched, event);
}

void Tfindformen::setSearchAction(QAction* aSearch) {
    m_aSearch = aSearch;
    m_speedButton3->setDefaultAction(aSearch);
}

void Tfindformen::setClearSearchListeAction(QAction* aClearSearchListe) {
    m_speedButton2->setDefaultAction(aClearSearchListe);
}

bool Tfindformen::searchEnabled() const {
    return !m_vagt && !m_editSearch->currentText().isEmpty();
}

bool Tfindformen::clearSearchListeEnabled() const {
    return m_editSearch->count() > 0;
}

void Tfindformen::clearSearchListe() {
    const QString text = m_editSearch->currentText();
    m_editSearch->clear();
    m_editSearch->setCurrentText(text);
}

void Tfindformen::setSoegemappe(const QString& folder) {
    m_labelSearch->setText(QStringLiteral("Der søges i ") + folder);
}

int Tfindformen::searchOpt() const {
    for (int i = 0; i < 3; ++i)
        if (m_options[i]->isChecked())
            return i;
    return TSearchHandlinger::Begge;
}

void Tfindformen::setSearchOpt(int option) {
    m_options[option]->setChecked(true);
}

void Tfindformen::Search() {
    const QString text = m_editSearch->currentText();
    if (text.isEmpty() || m_vagt)
        return;
    THandlinger& funk = m_host.funk();
    // The window keeps painting and shows how far the search has come; Esc or "Stop" ends
    // it with the hits found so far.
    Arbejdsvagt vagt(*this);
    m_vagt = &vagt;
    m_stop->show();
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    funk.setFremdrift([&](int laeste, const QString& mappe) {
        return vagt.fortsaet([&] {
            m_antalFundne->setText(
                QStringLiteral("Søger i %1\n%2 mapper er gennemsøgt.").arg(mappe).arg(laeste));
        });
    });
    const auto efter = qScopeGuard([&] {
        funk.setFremdrift({});
        QGuiApplication::restoreOverrideCursor();
        m_stop->hide();
        m_vagt = nullptr;
    });
    funk.setFindCount(0);
    const QString folder = funk.Bibmappe();
    if (text.startsWith(QLatin1Char('.'))) {
        setSearchOpt(TSearchHandlinger::KunFiler);
        funk.getDirFileExtList(folder, text);
    } else if (!LogicalPath::extension(text).isEmpty()) {
        setSearchOpt(TSearchHandlinger::KunFiler);
        funk.getDirFileList(folder, text, TSearchHandlinger::KunFiler, true,
                            m_checkPos->isChecked());
    } else {
        funk.getDirFileList(folder, text, searchOpt(), false, m_checkPos->isChecked());
    }
    if (m_editSearch->findText(text, Qt::MatchFixedString) < 0)
        m_editSearch->addItem(text);
    m_editSearch->setCurrentText(text);
    m_antalFundne->setText(
        (funk.SoegningStoppet() ? QStringLiteral("Søgningen blev stoppet. ") : QString()) +
        QStringLiteral("Der blev fundet %1 antal elementer.").arg(funk.FindCount()) +
        ulaesteMapper(funk.UlaesteMapper()));
}

void Tfindformen::fremvis(bool kun) {
    THandlinger& funk = m_host.funk();
    const QString type = m_editFremvis->currentText();
    const int count = kun ? funk.makeStrukturFil(type) : funk.fremvisFiltype(type);
    m_host.Info(QStringLiteral("Der blev fundte %1 filer af typen ").arg(count) + type);
    m_fremvisInfo->setText(QStringLiteral("Fundet: %1").arg(count));
}
