#include "urlform.h"

#include "hintlinje.h"

#include "shared/vinduesgeometri.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

Turlform::Turlform(int& urlIndex, const QString& optDir, QWidget* parent)
    : QWidget(parent, Qt::Window), m_urlIndex(urlIndex),
      m_optFilnavn(optDir + QStringLiteral("urlboks.txt")), m_urlListe(new QListWidget(this)),
      m_rens(new QAction(QStringLiteral("Rens liste"), this)),
      m_slet(new QAction(QStringLiteral("Slet liste"), this)), m_infoBar(new HintLinje(this)) {
    setObjectName(QStringLiteral("urlform"));
    setWindowTitle(QStringLiteral("Urlboks"));
    setMinimumSize(300, 200);
    resize(360, 320);

    m_urlListe->setObjectName(QStringLiteral("urlListe"));
    m_urlListe->installEventFilter(this);
    connect(m_urlListe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit valgt(m_urlListe->row(item)); });
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_urlListe->model(), signal, this, &Turlform::opdaterHandlinger);

    m_rens->setObjectName(QStringLiteral("ArensDobbelt"));
    m_rens->setStatusTip(QStringLiteral("Rens listen for dobbeltgængere"));
    connect(m_rens, &QAction::triggered, this, &Turlform::rensDobbelt);
    m_slet->setObjectName(QStringLiteral("AsletAlle"));
    m_slet->setStatusTip(QStringLiteral("Slet alle urls fra listen"));
    connect(m_slet, &QAction::triggered, this, &Turlform::sletAlle);
    auto* luk = new QPushButton(QStringLiteral("Luk"), this);
    luk->setObjectName(QStringLiteral("lukKnap"));
    luk->setStatusTip(QStringLiteral("Luk urlboksen"));
    connect(luk, &QPushButton::clicked, this, &QWidget::close);

    auto* knapper = new QHBoxLayout;
    knapper->addWidget(knap(m_rens));
    knapper->addWidget(knap(m_slet));
    knapper->addStretch(1);
    knapper->addWidget(luk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(new QLabel(QStringLiteral("Besøgte sider"), this));
    layout->addWidget(m_urlListe, 1);
    layout->addLayout(knapper);
    layout->addWidget(m_infoBar);

    VinduesGeometri::hent(*this, m_optFilnavn, false);
    opdaterHandlinger();
}

QPushButton* Turlform::knap(QAction* handling) {
    auto* knap = new QPushButton(handling->text(), this);
    knap->setObjectName(handling->objectName() + QStringLiteral("Knap"));
    knap->setStatusTip(handling->statusTip());
    connect(knap, &QPushButton::clicked, handling, &QAction::trigger);
    connect(handling, &QAction::enabledChanged, knap, &QWidget::setEnabled);
    return knap;
}

QString Turlform::status() const {
    return m_infoBar->tekst();
}

void Turlform::opdaterHandlinger() {
    m_rens->setEnabled(m_urlListe->count() > 1);
    m_slet->setEnabled(m_urlListe->count() > 0);
}

void Turlform::visAktuelle() {
    if (m_urlIndex >= 0 && m_urlIndex < m_urlListe->count())
        m_urlListe->setCurrentRow(m_urlIndex);
    else
        m_urlListe->clearSelection();
}

void Turlform::rensDobbelt() {
    const QString aktuelle = m_urlIndex >= 0 && m_urlIndex < m_urlListe->count()
                                 ? m_urlListe->item(m_urlIndex)->text()
                                 : QString();
    QSet<QString> set;
    int slettet = 0;
    for (int i = 0; i < m_urlListe->count();) {
        const QString noegle = m_urlListe->item(i)->text().toCaseFolded();
        if (set.contains(noegle)) {
            delete m_urlListe->takeItem(i);
            ++slettet;
        } else {
            set.insert(noegle);
            ++i;
        }
    }
    m_urlIndex = -1;
    for (int i = 0; i < m_urlListe->count() && !aktuelle.isEmpty(); ++i)
        if (m_urlListe->item(i)->text().compare(aktuelle, Qt::CaseInsensitive) == 0) {
            m_urlIndex = i;
            break;
        }
    visAktuelle();
    m_infoBar->besked(slettet == 0 ? QStringLiteral("Der var ingen dobbeltgængere")
                      : slettet == 1
                          ? QStringLiteral("Der blev slettet 1 dobbeltgænger")
                          : QStringLiteral("Der blev slettet %1 dobbeltgængere").arg(slettet));
}

void Turlform::sletAlle() {
    m_urlListe->clear();
    m_urlIndex = -1;
    opdaterHandlinger();
}

bool Turlform::event(QEvent* event) {
    if (m_infoBar->visHint(event))
        return true;
    return QWidget::event(event);
}

void Turlform::closeEvent(QCloseEvent* event) {
    (void)VinduesGeometri::gem(*this, m_optFilnavn, false);
    QWidget::closeEvent(event);
}

bool Turlform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_urlListe && event->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent*>(event)->key();
        if ((tast == Qt::Key_Return || tast == Qt::Key_Enter) && m_urlListe->currentRow() >= 0) {
            emit valgt(m_urlListe->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
