#include "filtypeside.h"

#include "platform/platform.h"
#include "shared/centreddialog.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

// What a type's extension may not hold: the wildcards and what no file name holds.
const QString kUlovligeTegn = QStringLiteral("*?\\/:\"<>| ");

} // namespace

FiltypeSide::FiltypeSide(MainHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_typeliste(new QTableWidget(0, 2, this)),
      m_tekst(new QLineEdit(this)), m_type(new QLineEdit(this)),
      m_op(knap("Aop", QStringLiteral("Flyt op"),
                QStringLiteral("Flyt valgte filtype op i listen"))),
      m_ned(knap("Aned", QStringLiteral("Flyt ned"),
                 QStringLiteral("Flyt valgte filtype ned i listen"))),
      m_gem(knap("saveknap", QStringLiteral("Gem"), QStringLiteral("Gem listen og luk"))) {
    setObjectName(QStringLiteral("side3"));
    QPushButton* info =
        knap("filtypeInfo", QStringLiteral("Filtyper"), QStringLiteral("Information"));
    QPushButton* sletKnap =
        knap("deleteknap", QStringLiteral("Slet"), QStringLiteral("Slet valgte punkt fra listen"));
    QPushButton* standardKnap = knap("standardKnap", QStringLiteral("Standard"),
                                     QStringLiteral("Slet nuværende liste og hent standardlisten"));
    QPushButton* insertKnap =
        knap("insertknap", QStringLiteral("Indsæt"), QStringLiteral("Indfør i listen"));

    m_typeliste->setObjectName(QStringLiteral("typeliste"));
    m_typeliste->setHorizontalHeaderLabels({QStringLiteral("Tekst"), QStringLiteral("Type")});
    m_typeliste->setShowGrid(true);
    m_typeliste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_typeliste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_typeliste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_typeliste->verticalHeader()->hide();
    m_typeliste->verticalHeader()->setDefaultSectionSize(m_typeliste->fontMetrics().height() + 6);
    m_typeliste->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_typeliste->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
    m_typeliste->setColumnWidth(1, 90);
    m_tekst->setObjectName(QStringLiteral("tekstedit"));
    m_type->setObjectName(QStringLiteral("typeedit"));

    auto* billede = new QLabel(this);
    billede->setPixmap(CentredDialog::programIcon(QStringLiteral("file-text")).pixmap(48, 48));

    auto* grid = new QGridLayout(this);
    auto* knapper = new QHBoxLayout;
    for (QPushButton* b : {info, sletKnap, m_op, m_ned})
        knapper->addWidget(b);
    knapper->addStretch(1);
    grid->addLayout(knapper, 0, 0, 1, 2);
    grid->addWidget(m_typeliste, 1, 0);
    auto* side = new QVBoxLayout;
    side->addWidget(billede, 0, Qt::AlignHCenter);
    side->addStretch(1);
    side->addWidget(standardKnap);
    grid->addLayout(side, 1, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);

    auto* bund = new QGridLayout;
    bund->addWidget(new QLabel(QStringLiteral("Tekst"), this), 0, 0);
    bund->addWidget(new QLabel(QStringLiteral("Type"), this), 0, 1);
    bund->addWidget(m_tekst, 1, 0);
    bund->addWidget(m_type, 1, 1);
    bund->addWidget(insertKnap, 1, 2);
    bund->addWidget(m_gem, 1, 3);
    bund->setColumnStretch(0, 3);
    bund->setColumnStretch(1, 1);
    grid->addLayout(bund, 2, 0, 1, 2);

    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Filtyper"), false); });
    connect(sletKnap, &QPushButton::clicked, this, &FiltypeSide::slet);
    connect(m_op, &QPushButton::clicked, this, [this] { flyt(-1); });
    connect(m_ned, &QPushButton::clicked, this, [this] { flyt(1); });
    connect(standardKnap, &QPushButton::clicked, this, &FiltypeSide::standard);
    connect(insertKnap, &QPushButton::clicked, this, &FiltypeSide::indsaet);
    connect(m_gem, &QPushButton::clicked, this, &FiltypeSide::gem);
    // Enter in the description goes on to the type; Enter in the type inserts.
    connect(m_tekst, &QLineEdit::returnPressed, this, [this] {
        if (m_type->text().isEmpty())
            m_type->setFocus();
        else
            indsaet();
    });
    connect(m_type, &QLineEdit::returnPressed, this, &FiltypeSide::indsaet);
    // Every change of a row, its check mark included, and of the selection is a change.
    connect(m_typeliste, &QTableWidget::itemChanged, this, [this] { m_gem->setEnabled(true); });
    connect(m_typeliste, &QTableWidget::itemSelectionChanged, this, [this] {
        m_gem->setEnabled(true);
        opdaterFlyt();
    });
    opdaterFlyt();
}

QPushButton* FiltypeSide::knap(const char* name, const QString& text, const QString& hint) {
    return dialogKnap(name, text, hint, this);
}

void FiltypeSide::LoadTypeliste() {
    m_typeliste->setRowCount(0);
    for (const Typeliste::Type& type : m_host.typeliste().types())
        typelisteAdd(type.description, type.extension, type.offered);
}

void FiltypeSide::typelisteAdd(const QString& aTekst, const QString& aType, bool check) {
    const int row = m_typeliste->rowCount();
    m_typeliste->insertRow(row);
    saetRaekke(row, {aTekst, aType, check});
    m_gem->setEnabled(true);
    opdaterFlyt();
}

void FiltypeSide::saetRaekke(int row, const Typeliste::Type& type) {
    auto* tekst = new QTableWidgetItem(type.description);
    tekst->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    tekst->setCheckState(type.offered ? Qt::Checked : Qt::Unchecked);
    auto* ext = new QTableWidgetItem(type.extension);
    ext->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    m_typeliste->setItem(row, 0, tekst);
    m_typeliste->setItem(row, 1, ext);
}

QList<Typeliste::Type> FiltypeSide::typer() const {
    QList<Typeliste::Type> result;
    for (int row = 0; row < m_typeliste->rowCount(); ++row)
        result.append({m_typeliste->item(row, 0)->text(), m_typeliste->item(row, 1)->text(),
                       m_typeliste->item(row, 0)->checkState() == Qt::Checked});
    return result;
}

int FiltypeSide::valgtRaekke() const {
    const QList<QTableWidgetItem*> valgte = m_typeliste->selectedItems();
    return valgte.isEmpty() ? -1 : valgte.first()->row();
}

void FiltypeSide::opdaterFlyt() {
    const int row = valgtRaekke();
    m_op->setEnabled(row > 0);
    m_ned->setEnabled(row >= 0 && row < m_typeliste->rowCount() - 1);
}

void FiltypeSide::indsaet() {
    const QString tekst = m_tekst->text().trimmed();
    QString type = m_type->text().trimmed();
    if (tekst.isEmpty()) {
        Platform::prompter().message(QStringLiteral("Der mangler en filtype beskrivelse!"),
                                     MessageKind::Information);
        m_tekst->setFocus();
        return;
    }
    if (type.isEmpty()) {
        Platform::prompter().message(
            QStringLiteral("Der mangler et filtype efternavn.\nFor eksempel: txt"),
            MessageKind::Information);
        m_type->setFocus();
        return;
    }
    if (type != QLatin1String("*.*")) {
        // "txt", ".txt", "*.txt" and "tar.gz" name the extension after the last dot.
        const QString efternavn = type.mid(type.lastIndexOf(QLatin1Char('.')) + 1);
        const bool ulovlig = std::any_of(efternavn.cbegin(), efternavn.cend(),
                                         [](QChar c) { return kUlovligeTegn.contains(c); });
        if (efternavn.isEmpty() || ulovlig) {
            Platform::prompter().message(
                QStringLiteral("\"%1\" er ikke et filtype efternavn.\nSkriv bogstaverne efter "
                               "punktummet, for eksempel: txt\n*.* står for alle filer.")
                    .arg(type),
                MessageKind::Information);
            m_type->setFocus();
            m_type->selectAll();
            return;
        }
        type = QLatin1Char('.') + efternavn;
    }
    typelisteAdd(tekst, type, true);
    m_tekst->clear();
    m_type->clear();
    m_tekst->setFocus();
}

void FiltypeSide::slet() {
    const int row = valgtRaekke();
    if (row < 0) {
        Platform::prompter().message(QStringLiteral("Der er ikke valgt en filtype!"),
                                     MessageKind::Information);
        return;
    }
    if (Platform::prompter().question(QStringLiteral("Skal filtypen:\n%1\nslettes permanent?")
                                          .arg(m_typeliste->item(row, 0)->text()))) {
        m_typeliste->removeRow(row);
        m_gem->setEnabled(true);
        opdaterFlyt();
    }
}

void FiltypeSide::flyt(int skridt) {
    const int row = valgtRaekke();
    const int til = row + skridt;
    if (row < 0 || til < 0 || til >= m_typeliste->rowCount())
        return;
    const Typeliste::Type type = typer().at(row);
    m_typeliste->removeRow(row);
    m_typeliste->insertRow(til);
    saetRaekke(til, type);
    m_typeliste->selectRow(til);
    m_gem->setEnabled(true);
    opdaterFlyt();
}

void FiltypeSide::standard() {
    if (!Platform::prompter().question(
            QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!\nSkal "
                           "standardlisten hentes alligevel?")))
        return;
    m_host.makeTypeliste();
    LoadTypeliste();
    m_gem->setEnabled(true);
}

void FiltypeSide::gem() {
    if (m_host.GemTypeliste(typer()))
        m_gem->setEnabled(false);
}
