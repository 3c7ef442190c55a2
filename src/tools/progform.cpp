#include "progform.h"

#include "engine/handlinger.h"
#include "lists/menuexefiler.h"
#include "platform/platform.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QTreeWidget* programTrae(const char* name, QWidget* parent) {
    auto* liste = new QTreeWidget(parent);
    liste->setObjectName(QLatin1String(name));
    liste->setHeaderLabels({QStringLiteral("Programmer")});
    liste->setRootIsDecorated(false);
    liste->setIconSize(QSize(16, 16));
    return liste;
}

int valgtRaekke(const QTreeWidget* liste) {
    QTreeWidgetItem* item = liste->currentItem();
    return item && item->isSelected() ? liste->indexOfTopLevelItem(item) : -1;
}

void inform(const QString& text) {
    Platform::prompter().message(text, MessageKind::Information);
}

// The "i" button of a page: what to do there, in the main window's status line.
QToolButton* infoKnap(MainHost& host, const char* name, const char* text, QWidget* parent) {
    auto* knap = new QToolButton(parent);
    knap->setObjectName(QLatin1String(name));
    knap->setIcon(CentredDialog::programIcon(QStringLiteral("cmd-aInformation")));
    knap->setToolTip(QString::fromUtf8(text));
    knap->setStatusTip(knap->toolTip());
    QObject::connect(knap, &QToolButton::clicked, parent,
                     [&host, text] { host.Info(QString::fromUtf8(text)); });
    return knap;
}

} // namespace

TProgform::TProgform(MainHost& host, TMenuExeFiler& menuExe)
    : CentredDialog(host.hovedvindue(), Qt::WindowStaysOnTopHint), m_host(host), m_menuExe(menuExe),
      m_bog(new QTabWidget(this)) {
    setObjectName(QStringLiteral("progform"));
    setWindowTitle(QStringLiteral("Programmer"));
    m_bog->setObjectName(QStringLiteral("Bog"));
    m_bog->addTab(nytProgramSide(), QStringLiteral("Nyt program"));
    m_bog->addTab(fjernSide(), QStringLiteral("Fjern program"));
    m_bog->addTab(raekkefoelgeSide(), QStringLiteral("Rediger rækkefølge"));

    auto* bund = new QHBoxLayout;
    QPushButton* info = dialogKnap("ButtonInformation", QStringLiteral("Information"),
                                   QStringLiteral("Information om programmer"), this);
    QPushButton* luk =
        dialogKnap("ButtonLuk", QStringLiteral("Luk"), QStringLiteral("Luk boksen"), this);
    bund->addWidget(info);
    bund->addStretch();
    bund->addWidget(luk);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_bog);
    column->addLayout(bund);
    setFixedSize(460, 400);
    setFirstFocus(m_filEdit);

    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Programmer"), true); });
    connect(luk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_bog, &QTabWidget::currentChanged, this, [this](int side) {
        // Leaving the page keeps the new order, as closing does.
        gemRaekkefoelge();
        if (side == 1)
            fyldListe(m_programListe);
        else if (side == 2)
            fyldListe(m_programliste2);
        m_fileText->clear();
        m_spm->hide();
        opdaterKnapper();
    });
    opdaterKnapper();
}

QWidget* TProgform::nytProgramSide() {
    auto* side = new QWidget(m_bog);
    m_filEdit = new QLineEdit(side);
    m_filEdit->setObjectName(QStringLiteral("FilEdit"));
    m_filEdit->installEventFilter(this);
    m_vaelgFil = dialogKnap("ButtonVaelgFil", QStringLiteral("Vælg fil"),
                            QStringLiteral("Vælg program der skal indføres i programmer"), side);
    m_iconDis = new QLabel(side);
    m_iconDis->setObjectName(QStringLiteral("IconDis"));
    m_iconDis->setFixedSize(32, 32);
    m_capEdit = new QLineEdit(side);
    m_capEdit->setObjectName(QStringLiteral("CapEdit"));
    m_capEdit->installEventFilter(this);
    m_maximeret = new QCheckBox(QStringLiteral("Start programmet maximeret"), side);
    m_maximeret->setObjectName(QStringLiteral("cbMaximeret"));
    QPushButton* tilfoej = dialogKnap("ButtonTilfoej", QStringLiteral("Tilføj programmet"),
                                      QStringLiteral("Indfør valgte program"), side);
    m_addText = new QLabel(side);
    m_addText->setObjectName(QStringLiteral("addText"));

    auto* fil = new QHBoxLayout;
    fil->addWidget(m_filEdit, 1);
    fil->addWidget(m_vaelgFil);
    fil->addWidget(infoKnap(m_host, "ButtonInfoNyt", "Vælg program, der skal indsættes", side));
    auto* menu = new QHBoxLayout;
    menu->addWidget(m_iconDis);
    menu->addWidget(m_capEdit, 1);
    auto* form = new QFormLayout(side);
    form->addRow(QStringLiteral("Filnavn"), fil);
    form->addRow(QStringLiteral("Menu tekst"), menu);
    form->addRow(QString(), m_maximeret);
    form->addRow(QString(), tilfoej);
    form->addRow(QStringLiteral("Indført program"), m_addText);

    connect(m_vaelgFil, &QPushButton::clicked, this, &TProgform::vaelgFil);
    connect(tilfoej, &QPushButton::clicked, this, &TProgform::tilfoej);
    return side;
}

QWidget* TProgform::fjernSide() {
    auto* side = new QWidget(m_bog);
    m_programListe = programTrae("programListe", side);
    m_fileText = new QLineEdit(side);
    m_fileText->setObjectName(QStringLiteral("fileText"));
    m_fileText->setReadOnly(true);
    m_fjern = dialogKnap("ButtonFjern", QStringLiteral("Fjern program"),
                         QStringLiteral("Slet valgte program fra listen"), side);
    m_spm = new QWidget(side);
    m_spmLabel = new QLabel(m_spm);
    m_spmLabel->setObjectName(QStringLiteral("spmLabel"));
    QPushButton* ja = dialogKnap("ButtonJa", QStringLiteral("Ja"),
                                 QStringLiteral("Bekræft sletning af program fra listen"), m_spm);
    QPushButton* nej = dialogKnap("ButtonNej", QStringLiteral("Nej"),
                                  QStringLiteral("Annuller sletning af program fra listen"), m_spm);
    auto* spmRaekke = new QHBoxLayout(m_spm);
    spmRaekke->setContentsMargins(0, 0, 0, 0);
    spmRaekke->addWidget(m_spmLabel, 1);
    spmRaekke->addWidget(ja);
    spmRaekke->addWidget(nej);
    m_spm->hide();

    auto* hoejre = new QVBoxLayout;
    hoejre->addWidget(m_fileText);
    hoejre->addWidget(m_fjern);
    hoejre->addWidget(m_spm);
    hoejre->addStretch();
    hoejre->addWidget(infoKnap(m_host, "ButtonInfoFjern", "Vælg program, der skal slettes", side),
                      0, Qt::AlignRight);
    auto* row = new QHBoxLayout(side);
    row->addWidget(m_programListe, 1);
    row->addLayout(hoejre, 1);

    connect(m_programListe, &QTreeWidget::currentItemChanged, this, [this] {
        m_fileText->setText(m_menuExe.GetCaption(
            m_programListe->indexOfTopLevelItem(m_programListe->currentItem())));
        opdaterKnapper();
    });
    connect(m_programListe, &QTreeWidget::itemSelectionChanged, this, &TProgform::opdaterKnapper);
    connect(m_fjern, &QPushButton::clicked, this, &TProgform::fjernValgt);
    connect(ja, &QPushButton::clicked, this, [this] { besvar(true); });
    connect(nej, &QPushButton::clicked, this, [this] { besvar(false); });
    return side;
}

QWidget* TProgform::raekkefoelgeSide() {
    auto* side = new QWidget(m_bog);
    m_programliste2 = programTrae("programliste2", side);
    m_gem = dialogKnap("ButtonGem", QStringLiteral("Gem"), QStringLiteral("Gem"), side);
    m_op = dialogKnap("ButtonFlytOp", QStringLiteral("Flyt op"),
                      QStringLiteral("Flyt valgte program op"), side);
    m_ned = dialogKnap("ButtonFlytNed", QStringLiteral("Flyt ned"),
                       QStringLiteral("Flyt valgte program ned"), side);
    auto* hoejre = new QVBoxLayout;
    hoejre->addWidget(m_gem);
    hoejre->addWidget(m_op);
    hoejre->addWidget(m_ned);
    hoejre->addStretch();
    hoejre->addWidget(infoKnap(m_host, "ButtonInfoFlyt", "Vælg program, der skal flyttes", side), 0,
                      Qt::AlignRight);
    auto* row = new QHBoxLayout(side);
    row->addWidget(m_programliste2, 1);
    row->addLayout(hoejre);

    connect(m_programliste2, &QTreeWidget::itemSelectionChanged, this, &TProgform::opdaterKnapper);
    connect(m_gem, &QPushButton::clicked, this, &TProgform::gemRaekkefoelge);
    connect(m_op, &QPushButton::clicked, this, [this] { flyt(-1); });
    connect(m_ned, &QPushButton::clicked, this, [this] { flyt(1); });
    return side;
}

void TProgform::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        m_bog->setCurrentIndex(0);
    CentredDialog::showEvent(event);
}

void TProgform::done(int result) {
    gemRaekkefoelge();
    m_spm->hide();
    CentredDialog::done(result);
}

bool TProgform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter moves on from the path to the menu text, and adds from there.
            if (watched == m_filEdit)
                m_capEdit->setFocus();
            else if (watched == m_capEdit)
                tilfoej();
            return true;
        }
    }
    return CentredDialog::eventFilter(watched, event);
}

void TProgform::vaelgFil() {
    const QString start = m_foersteValg ? m_host.funk().Grundmappe() : QString();
    const std::optional<QString> fil = m_host.vaelgFil(start, false);
    m_foersteValg = false;
    if (!fil)
        return;
    m_filEdit->setText(*fil);
    m_iconDis->setPixmap(TMenuExeFiler::GetIcon(*fil).pixmap(32, 32));
    m_capEdit->setText(TMenuExeFiler::menuTekst(*fil));
    m_capEdit->setFocus();
}

void TProgform::tomFelter() {
    m_filEdit->clear();
    m_capEdit->clear();
    m_iconDis->clear();
    m_maximeret->setChecked(false);
}

void TProgform::tilfoej() {
    const QString fil = m_filEdit->text().trimmed();
    const QString caption = m_capEdit->text().trimmed();
    if (fil.isEmpty()) {
        inform(QStringLiteral("Der mangler et filnavn!"));
        m_vaelgFil->setFocus();
        return;
    }
    if (!Platform::files().isFile(fil)) {
        inform(QStringLiteral("Filen: ") + fil + QStringLiteral("\nkunne ikke findes!"));
        tomFelter();
        return;
    }
    if (caption.isEmpty()) {
        inform(QStringLiteral("Der mangler en menu tekst!"));
        m_capEdit->setFocus();
        return;
    }
    if (m_menuExe.findes(fil)) {
        inform(QStringLiteral("Programmet er allerede indført!"));
        tomFelter();
        return;
    }
    m_menuExe.InsertItem(fil, caption, QString(), m_maximeret->isChecked() ? 3 : 1);
    m_menuExe.GemProgrammer();
    m_addText->setText(caption);
    tomFelter();
    m_filEdit->setFocus();
}

void TProgform::fyldListe(QTreeWidget* liste) {
    liste->clear();
    for (int i = 0; i < m_menuExe.Filantal(); ++i) {
        auto* item = new QTreeWidgetItem(liste, {m_menuExe.GetCaption(i)});
        item->setIcon(0, m_menuExe.ikon(i));
    }
    liste->setCurrentItem(nullptr);
    liste->clearSelection();
}

void TProgform::fjernValgt() {
    const int valgt = valgtRaekke(m_programListe);
    if (valgt < 0)
        return;
    m_spmLabel->setText(QStringLiteral("Vil du fjerne programmet\n") + m_menuExe.GetCaption(valgt) +
                        QLatin1Char('?'));
    m_spm->show();
    m_programListe->setEnabled(false);
    m_fjern->setEnabled(false);
    m_spm->findChild<QPushButton*>(QStringLiteral("ButtonJa"))->setFocus();
}

void TProgform::besvar(bool ja) {
    const int valgt = valgtRaekke(m_programListe);
    m_spm->hide();
    m_programListe->setEnabled(true);
    if (ja && valgt >= 0) {
        m_menuExe.DeleteItem(valgt);
        fyldListe(m_programListe);
        m_fileText->clear();
    }
    opdaterKnapper();
    m_programListe->setFocus();
}

void TProgform::flyt(int retning) {
    const int valgt = valgtRaekke(m_programliste2);
    if (!(retning < 0 ? m_menuExe.flytOp(valgt) : m_menuExe.flytNed(valgt)))
        return;
    m_aendret = true;
    fyldListe(m_programliste2);
    QTreeWidgetItem* flyttet = m_programliste2->topLevelItem(valgt + retning);
    m_programliste2->setCurrentItem(flyttet);
    flyttet->setSelected(true);
    opdaterKnapper();
}

void TProgform::gemRaekkefoelge() {
    if (m_aendret && m_menuExe.GemProgrammer())
        m_aendret = false;
    opdaterKnapper();
}

void TProgform::opdaterKnapper() {
    m_fjern->setEnabled(m_programListe->isEnabled() && valgtRaekke(m_programListe) >= 0);
    const int valgt = valgtRaekke(m_programliste2);
    m_op->setEnabled(valgt > 0);
    m_ned->setEnabled(valgt >= 0 && valgt < m_menuExe.Filantal() - 1);
    m_gem->setEnabled(m_aendret);
}
