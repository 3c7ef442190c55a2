#include "openform.h"

#include "platform/textfile.h"
#include "shared/datafolders.h"
#include "shared/dialogknapper.h"
#include "shared/filtal.h"
#include "shared/mainhost.h"
#include "shared/skaermplads.h"
#include "shared/typeliste.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

Topenform::Topenform(MainHost& host)
    : CentredDialog(host.hovedvindue(), Qt::WindowStaysOnTopHint), m_host(host),
      m_filliste(new QTableWidget(0, 2, this)), m_editFil(new QLineEdit(this)) {
    setObjectName(QStringLiteral("openform"));
    setWindowTitle(QStringLiteral("Vælg filtype"));

    QPushButton* nytDokument = dialogKnap("nytDokumentKnap", QStringLiteral("Nyt dokument"),
                                          QStringLiteral("Information om tekstdokumenter"), this);
    QPushButton* nyTekstfil = dialogKnap("nyTekstfilKnap", QStringLiteral("Ny tekstfil"),
                                         QStringLiteral("Information om tekstfiler"), this);
    auto* top = new QHBoxLayout;
    top->addWidget(nytDokument);
    top->addWidget(nyTekstfil);
    top->addStretch();

    m_filliste->setObjectName(QStringLiteral("filliste"));
    m_filliste->setHorizontalHeaderLabels(
        {QStringLiteral("Dokument type"), QStringLiteral("Type")});
    m_filliste->verticalHeader()->hide();
    m_filliste->verticalHeader()->setDefaultSectionSize(m_filliste->fontMetrics().height() + 6);
    m_filliste->setShowGrid(true);
    m_filliste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_filliste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_filliste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_filliste->setTabKeyNavigation(false);
    m_filliste->horizontalHeader()->setStretchLastSection(true);
    m_filliste->horizontalHeader()->setHighlightSections(false);
    m_filliste->installEventFilter(this);

    m_editFil->setObjectName(QStringLiteral("EditFil"));
    m_editFil->setReadOnly(true);
    m_editFil->setFocusPolicy(Qt::NoFocus);

    QPushButton* bestem = dialogKnap("bestemKnap", QStringLiteral("Bestem filer"),
                                     QStringLiteral("Bestem hvilke filtyper listen viser"), this);
    auto* bund = new QHBoxLayout;
    bund->addWidget(bestem);
    bund->addStretch();
    addButton(bund, QStringLiteral("okKnap"), QStringLiteral("OK"), Accepted);
    addButton(bund, QStringLiteral("annullerKnap"), QStringLiteral("Annuller"), Rejected);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_filliste, 1);
    layout->addWidget(m_editFil);
    layout->addLayout(bund);
    setFirstFocus(m_filliste);
    setFixedSize(360, 340);

    connect(nytDokument, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Tekstdokumenter"), true); });
    connect(nyTekstfil, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Tekstfil"), true); });
    connect(bestem, &QPushButton::clicked, this, [this] {
        if (bestemFiler)
            bestemFiler();
    });
    connect(m_filliste, &QTableWidget::itemSelectionChanged, this, &Topenform::visValgt);
    connect(m_filliste, &QTableWidget::cellClicked, this, &Topenform::visValgt);
    connect(m_filliste, &QTableWidget::cellDoubleClicked, this, [this] {
        visValgt();
        accept();
    });
}

void Topenform::LoadFilliste() {
    const QList<Typeliste::Type> types = m_host.typeliste().offered();
    m_filliste->clearSelection();
    m_filliste->setRowCount(int(types.size()));
    for (int row = 0; row < types.size(); ++row) {
        m_filliste->setItem(row, 0, new QTableWidgetItem(types.at(row).description));
        m_filliste->setItem(row, 1, new QTableWidgetItem(types.at(row).extension));
    }
    m_filliste->resizeColumnToContents(0);
    m_filliste->setCurrentCell(-1, -1);
    m_editFil->clear();
}

QString Topenform::valgtExt() const {
    const QList<QTableWidgetItem*> valgte = m_filliste->selectedItems();
    if (valgte.isEmpty())
        return {};
    const QTableWidgetItem* ext = m_filliste->item(valgte.first()->row(), 1);
    return ext ? ext->text() : QString();
}

void Topenform::visValgt() {
    const QList<QTableWidgetItem*> valgte = m_filliste->selectedItems();
    if (valgte.isEmpty())
        return;
    const int row = valgte.first()->row();
    m_editFil->setText(m_filliste->item(row, 0)->text() + m_filliste->item(row, 1)->text());
}

bool Topenform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filliste && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!valgtExt().isEmpty())
                accept();
            return true;
        }
    }
    return CentredDialog::eventFilter(watched, event);
}

void Topenform::showEvent(QShowEvent* event) {
    CentredDialog::showEvent(event);
    if (!m_opstart || event->spontaneous())
        return;
    m_opstart = false;
    // The installation may place the dialog: the first two lines are its top and left.
    QStringList lines;
    if (!TextFile::read(m_host.mapper().programDir + QStringLiteral("\\options\\filtyper.txt"),
                        lines) ||
        lines.size() < 2)
        return;
    const std::optional<int> y = FilTal::tal(lines.at(0));
    const std::optional<int> x = FilTal::tal(lines.at(1));
    if (x && y)
        move(Skaermplads::inden(QRect(QPoint(*x, *y), size())).topLeft());
}

QString Topenform::filnavn() const {
    return m_editFil->text();
}
