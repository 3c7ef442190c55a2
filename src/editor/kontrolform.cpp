#include "kontrolform.h"

#include "infotag.h"
#include "kodekontrol.h"

#include "platform/textfile.h"
#include "shared/filtal.h"
#include "shared/skaermplads.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Expanding deeper than this would lay out a page of thousands of nested elements in one
// recursion of the view; such a tree opens level by level instead.
constexpr int kUdfoldDybde = 200;

} // namespace

Tkontrolform::Tkontrolform(Kodekontrol& kontrol, Tinfotag& taginf, const QString& optDir,
                           QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_kontrol(kontrol),
      m_pladsFil(optDir + QStringLiteral("kontrol.txt")) {
    setObjectName(QStringLiteral("kontrolform"));
    setWindowTitle(QStringLiteral("Html kontrol"));
    setMinimumSize(285, 361);

    m_knapper = new QToolBar(this);
    m_knapper->setIconSize(QSize(16, 16));
    connect(knap("infoKnap", QStringLiteral("cmd-aInformation"),
                 QStringLiteral("Information om kodekontrol")),
            &QAction::triggered, this, [this] { m_kontrol.visHjaelp(); });
    connect(knap("readHtmlKnap", QStringLiteral("cmd-aOpdaterAll"),
                 QStringLiteral("Indlæs aktuelle side: Genindlæs struktur efter forandringer")),
            &QAction::triggered, this, [this] { m_kontrol.ReadHtmlStruktur(); });
    connect(
        knap("treeUdfoldKnap", QStringLiteral("kontrol-udfold"), QStringLiteral("Udfold struktur")),
        &QAction::triggered, this, [this] { m_tree->expandToDepth(kUdfoldDybde); });
    connect(knap("treeSammenfoldKnap", QStringLiteral("kontrol-sammenfold"),
                 QStringLiteral("Sammenfold struktur")),
            &QAction::triggered, this, [this] { m_tree->collapseAll(); });
    connect(knap("readAttributterKnap", QStringLiteral("kontrol-attributter"),
                 QStringLiteral("Vis kodernes attributter: Genindlæs struktur efter forandringer")),
            &QAction::triggered, this, [this] { m_kontrol.visAttributter(); });
    connect(knap("msKnap", QStringLiteral("kontrol-slutkoder"),
                 QStringLiteral("Kontroller manglende slutkoder: Genindlæs struktur efter "
                                "forandringer")),
            &QAction::triggered, this, [this] { m_kontrol.kontrolMSlutkoder(); });
    connect(knap("fmSlutkoderKnap", QStringLiteral("kontrol-formange"),
                 QStringLiteral("Kontroller for for mange slutkoder: Genindlæs struktur efter "
                                "forandringer ")),
            &QAction::triggered, this, [this] { m_kontrol.kontrolFmSlutkoder(); });
    connect(knap("ukendteKoderKnap", QStringLiteral("kontrol-ukendtekoder"),
                 QStringLiteral("Kontroller for ukendte koder: Genindlæs struktur efter "
                                "forandringer")),
            &QAction::triggered, this, [this] { m_kontrol.kontrolKoder(); });
    connect(knap("ukendteAttributterKnap", QStringLiteral("kontrol-ukendteattributter"),
                 QStringLiteral("Kontroller for ukendte attributter: Genindlæs struktur efter "
                                "forandringer")),
            &QAction::triggered, this, [this] { m_kontrol.kontrolAttributter(); });

    m_tree = new QTreeView(this);
    m_tree->setObjectName(QStringLiteral("Tree"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setModel(&taginf.trae());
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeView::clicked, this, [this] { m_kontrol.KontrolGotoTag(); });

    m_pBar = new QProgressBar(this);
    m_pBar->setObjectName(QStringLiteral("pBar"));
    m_pBar->setRange(0, 100);
    m_pBar->setValue(0);
    m_pBar->setTextVisible(false);
    m_pBar->setMaximumHeight(14);

    m_kontrolinfo = new QStatusBar(this);
    m_kontrolinfo->setObjectName(QStringLiteral("kontrolinfo"));
    m_kontrolinfo->setSizeGripEnabled(false);
    m_statusTekst = new QLabel(m_kontrolinfo);
    m_statusTekst->setTextFormat(Qt::PlainText);
    m_kontrolinfo->addWidget(m_statusTekst, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_knapper);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_pBar);
    layout->addWidget(m_kontrolinfo);

    hentPlads();
}

QAction* Tkontrolform::knap(const char* navn, const QString& ikon, const QString& hint) {
    auto* handling =
        m_knapper->addAction(QIcon(QStringLiteral(":/icons/") + ikon + ".svg"), QString());
    handling->setObjectName(QLatin1String(navn));
    handling->setToolTip(hint);
    handling->setStatusTip(hint);
    return handling;
}

int Tkontrolform::valgtKnude() const {
    const QModelIndex valgt = m_tree->currentIndex();
    const auto* trae = qobject_cast<const Kodetrae*>(m_tree->model());
    return trae ? trae->knudeAf(valgt) : -1;
}

void Tkontrolform::setStatus(const QString& tekst) {
    m_statusTekst->setText(tekst);
}

QString Tkontrolform::status() const {
    return m_statusTekst->text();
}

void Tkontrolform::fremskridt(int procent) {
    m_pBar->setValue(procent);
    setStatus(QString::number(procent) + QLatin1Char('%'));
}

bool Tkontrolform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter) {
            m_kontrol.KontrolGotoTag();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tkontrolform::closeEvent(QCloseEvent* event) {
    gemPlads();
    QWidget::closeEvent(event);
}

void Tkontrolform::hentPlads() {
    // Top, left, width and height, one a line.
    QRect plads(100, 100, 260, 370);
    QStringList linjer;
    if (TextFile::read(m_pladsFil, linjer) && linjer.size() >= 4) {
        const std::optional<int> top = FilTal::tal(linjer[0]), left = FilTal::tal(linjer[1]),
                                 bredde = FilTal::tal(linjer[2], 0),
                                 hoejde = FilTal::tal(linjer[3], 0);
        if (top && left && bredde > 0 && hoejde > 0) {
            const QRect gemt(*left, *top, *bredde, *hoejde);
            if (QGuiApplication::screenAt(gemt.topLeft()))
                plads = Skaermplads::inden(gemt);
        }
    }
    move(plads.topLeft());
    resize(plads.size());
}

void Tkontrolform::gemPlads() const {
    (void)TextFile::write(m_pladsFil, {QString::number(y()), QString::number(x()),
                                       QString::number(width()), QString::number(height())});
}
