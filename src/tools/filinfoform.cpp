#include "filinfoform.h"
#include "breddeknapper.h"

#include "platform/platform.h"
#include "shared/mainhost.h"
#include "shared/rubrik.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

#include <type_traits>

namespace {

constexpr int kStartBredde = 490;
constexpr int kMindsteBredde = 350;

template <class T> T* field(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    if constexpr (std::is_same_v<T, QLineEdit>)
        widget->setReadOnly(true);
    if constexpr (std::is_same_v<T, QLabel>) {
        widget->setTextInteractionFlags(Qt::TextSelectableByMouse);
        widget->setTextFormat(Qt::PlainText);
    }
    return widget;
}

QWidget* page(QTabWidget* bog, const char* name, const QString& title) {
    auto* side = new QWidget(bog);
    side->setObjectName(QLatin1String(name));
    bog->addTab(side, title);
    return side;
}

QPushButton* button(const QString& text, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    return b;
}

} // namespace

Tfilinfoform::Tfilinfoform(MainHost& host)
    : QDialog(host.hovedvindue(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_host(host) {
    setObjectName(QStringLiteral("filinfoform"));
    m_bog = new QTabWidget(this);
    m_bog->setObjectName(QStringLiteral("Bog"));

    QWidget* fil = page(m_bog, "side1", QStringLiteral("Fil"));
    m_ikonBox = field<QLabel>(fil, "ikonBox");
    m_ikonBox->setFixedSize(32, 32);
    m_editFilnavn = field<QLineEdit>(fil, "EditFilnavn");
    m_editPath = field<QLineEdit>(fil, "EditPath");
    m_labelFiltype = field<QLabel>(fil, "LabelFiltype");
    m_labelSize = field<QLabel>(fil, "LabelSize");
    m_labelOprettet = field<QLabel>(fil, "LabelOprettet");
    m_labelForandret = field<QLabel>(fil, "LabelForandret");
    m_labelAabnet = field<QLabel>(fil, "LabelAabnet");
    m_cbReadOnly = new QCheckBox(QStringLiteral("Skrivebeskyttet"), fil);
    m_cbReadOnly->setObjectName(QStringLiteral("cbReadOnly"));
    m_cbHidden = new QCheckBox(QStringLiteral("Skjult"), fil);
    m_cbHidden->setObjectName(QStringLiteral("cbHidden"));
    m_anvend = new QAction(QStringLiteral("Anvend"), this);
    m_anvend->setObjectName(QStringLiteral("aAnvend"));
    m_anvend->setToolTip(QStringLiteral("Sæt de nye attributværdier"));
    m_anvend->setStatusTip(m_anvend->toolTip());
    auto* anvendKnap = new QToolButton(fil);
    anvendKnap->setObjectName(QStringLiteral("anvendKnap"));
    anvendKnap->setDefaultAction(m_anvend);
    auto* navn = new QHBoxLayout;
    navn->addWidget(m_ikonBox);
    navn->addWidget(m_editFilnavn, 1);
    auto* attributter = new QHBoxLayout;
    attributter->addWidget(m_cbReadOnly);
    attributter->addWidget(m_cbHidden);
    attributter->addStretch();
    attributter->addWidget(anvendKnap);
    auto* filRows = new QFormLayout(fil);
    filRows->addRow(QStringLiteral("Filnavn:"), navn);
    filRows->addRow(QStringLiteral("Placering:"), m_editPath);
    filRows->addRow(QStringLiteral("Filtype:"), m_labelFiltype);
    filRows->addRow(QStringLiteral("Størrelse:"), m_labelSize);
    filRows->addRow(QStringLiteral("Oprettet:"), m_labelOprettet);
    filRows->addRow(QStringLiteral("Ændret:"), m_labelForandret);
    filRows->addRow(QStringLiteral("Åbnet:"), m_labelAabnet);
    filRows->addRow(QStringLiteral("Attributter:"), attributter);

    QWidget* drev = page(m_bog, "Side2", QStringLiteral("Drev"));
    m_editDisknavn = field<QLineEdit>(drev, "EditDisknavn");
    m_labelType = field<QLabel>(drev, "LabelType");
    m_labelFilsystem = field<QLabel>(drev, "LabelFilsystem");
    m_labelAnvendtSpace = field<QLabel>(drev, "LabelAnvendtSpace");
    m_labelFreeSpace = field<QLabel>(drev, "LabelFreeSpace");
    m_labelKapasitet = field<QLabel>(drev, "LabelKapasitet");
    m_progressBar = new QProgressBar(drev);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setRange(0, 100);
    auto* drevRows = new QFormLayout(drev);
    drevRows->addRow(QStringLiteral("Disknavn:"), m_editDisknavn);
    drevRows->addRow(QStringLiteral("Type:"), m_labelType);
    drevRows->addRow(QStringLiteral("Filsystem:"), m_labelFilsystem);
    drevRows->addRow(QStringLiteral("Anvendt plads:"), m_labelAnvendtSpace);
    drevRows->addRow(QStringLiteral("Ledig plads:"), m_labelFreeSpace);
    drevRows->addRow(QStringLiteral("Kapacitet:"), m_labelKapasitet);
    drevRows->addRow(m_progressBar);

    QWidget* mappe = page(m_bog, "Side3", QStringLiteral("Mappe"));
    m_editMappenavn = field<QLineEdit>(mappe, "EditMappenavn");
    m_labelPlacering = field<QLabel>(mappe, "LabelPlacering");
    m_labelMappeSize = field<QLabel>(mappe, "LabelMappeSize");
    m_labelMappeIndhold = field<QLabel>(mappe, "LabelMappeIndhold");
    m_labeloprettelsesDato = field<QLabel>(mappe, "LabeloprettelsesDato");
    auto* mappeRows = new QFormLayout(mappe);
    mappeRows->addRow(QStringLiteral("Mappenavn:"), m_editMappenavn);
    mappeRows->addRow(QStringLiteral("Placering:"), m_labelPlacering);
    mappeRows->addRow(QStringLiteral("Størrelse:"), m_labelMappeSize);
    mappeRows->addRow(QStringLiteral("Indhold:"), m_labelMappeIndhold);
    mappeRows->addRow(QStringLiteral("Oprettet:"), m_labeloprettelsesDato);

    QPushButton* information =
        button(QStringLiteral("Information"),
               QStringLiteral("Information om drev, fil og mappe egenskaber"), this);
    information->setObjectName(QStringLiteral("ButtonInfo"));
    QPushButton* lukKnap =
        button(QStringLiteral("Luk"), QStringLiteral("Luk egenskabsboksen"), this);
    lukKnap->setObjectName(QStringLiteral("ButtonLuk"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(information);
    new BreddeKnapper(*this, bottom, kMindsteBredde, kStartBredde);
    bottom->addStretch();
    bottom->addWidget(lukKnap);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bog);
    layout->addLayout(bottom);

    // The engine chooses the page; the tabs only show which one it is.
    connect(m_bog, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != SideNummer)
            m_bog->setCurrentIndex(SideNummer);
    });
    for (QCheckBox* box : {m_cbReadOnly, m_cbHidden})
        connect(box, &QCheckBox::clicked, m_anvend, [this] { m_anvend->setEnabled(true); });
    connect(m_anvend, &QAction::triggered, this, &Tfilinfoform::aAnvendExecute);
    connect(information, &QPushButton::clicked, this, [this] {
        static const char* const topics[] = {"Fil", "Drev", "Mappe"};
        m_host.HelpInfo(QLatin1String(topics[qBound(0, SideNummer, 2)]), false);
    });
    connect(lukKnap, &QPushButton::clicked, this, &QDialog::close);

    setFixedHeight(sizeHint().height());
}

void Tfilinfoform::showPage(int side, const QString& caption) {
    SideNummer = side;
    setWindowTitle(Rubrik::somTitel(caption));
    m_bog->setCurrentIndex(side);
    show();
    raise();
    activateWindow();
}

void Tfilinfoform::showEvent(QShowEvent* event) {
    // Centred on the main window each time it is opened.
    if (!event->spontaneous() && parentWidget()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(parentWidget()->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void Tfilinfoform::visFil(const FilEgenskaber& fil) {
    Filnavn = fil.filnavn;
    m_ikonBox->setPixmap(fil.ikon.pixmap(32, 32));
    m_editFilnavn->setText(fil.EditFilnavn);
    m_editPath->setText(fil.EditPath);
    m_labelFiltype->setText(fil.LabelFiltype);
    m_labelSize->setText(fil.LabelSize);
    m_labelOprettet->setText(fil.LabelOprettet);
    m_labelForandret->setText(fil.LabelForandret);
    m_labelAabnet->setText(fil.LabelAabnet);
    m_cbReadOnly->setChecked(fil.cbReadOnly);
    m_cbHidden->setChecked(fil.cbHidden);
    m_anvend->setEnabled(true);
    showPage(0, QStringLiteral("Fil egenskaber"));
}

void Tfilinfoform::visDrev(const DrevEgenskaber& drev) {
    m_editDisknavn->setText(drev.EditDisknavn);
    m_labelType->setText(drev.LabelType);
    m_labelFilsystem->setText(drev.LabelFilsystem);
    m_labelAnvendtSpace->setText(drev.LabelAnvendtSpace);
    m_labelFreeSpace->setText(drev.LabelFreeSpace);
    m_labelKapasitet->setText(drev.LabelKapasitet);
    m_progressBar->setValue(drev.ProgressBar);
    showPage(1, QStringLiteral("Drev egenskaber"));
}

void Tfilinfoform::visMappe(const MappeEgenskaber& mappe) {
    m_editMappenavn->setText(mappe.EditMappenavn);
    m_labelPlacering->setText(mappe.LabelPlacering);
    m_labeloprettelsesDato->setText(mappe.LabeloprettelsesDato);
    visMappeTaelling(mappe.LabelMappeSize, mappe.LabelMappeIndhold);
    showPage(2, QStringLiteral("Mappe egenskaber"));
}

void Tfilinfoform::visMappeTaelling(const QString& size, const QString& indhold) {
    m_labelMappeSize->setText(size);
    m_labelMappeIndhold->setText(indhold);
}

void Tfilinfoform::aAnvendExecute() {
    FileSystem& files = Platform::files();
    if (files.exists(Filnavn) && !files.isFolder(Filnavn)) {
        const auto info = files.info(Filnavn);
        bool ok = info.has_value();
        if (ok && info->readOnly != m_cbReadOnly->isChecked())
            ok = bool(files.setReadOnly(Filnavn, m_cbReadOnly->isChecked()));
        if (ok && info->hidden != m_cbHidden->isChecked())
            ok = bool(files.setHidden(Filnavn, m_cbHidden->isChecked()));
        if (!ok)
            Platform::prompter().message(QStringLiteral("Der opstod en fejl."), MessageKind::Error);
    }
    m_anvend->setEnabled(false);
    m_host.updateStrukturer();
}
