#include "stiform.h"
#include "folderdialog.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/datafolders.h"
#include "shared/mainhost.h"
#include "shared/personligemapper.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

Tstiform::Tstiform(MainHost& host)
    : CentredDialog(host.hovedvindue(), Qt::WindowStaysOnTopHint), m_host(host),
      m_filnavn(host.mapper().optDir + QStringLiteral("mappeStier.txt")) {
    setObjectName(QStringLiteral("stiform"));
    setWindowTitle(QStringLiteral("Personlige mapper"));
    resize(520, 330);
    auto* grid = new QGridLayout(this);
    const char* labels[] = {"Skrivebord", "Dokumenter", "Billeder", "Musik",
                            "Videoer",    "Favoritter", "OneDrive", "Kontakter"};
    for (int row = 0; row < PersonligeMapper::Antal; ++row) {
        grid->addWidget(new QLabel(QString::fromUtf8(labels[row]), this), row, 0);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(row + 1));
        grid->addWidget(edit, row, 1);
        m_edits.append(edit);
        auto* knap = new QToolButton(this);
        knap->setObjectName(QStringLiteral("Knap%1").arg(row + 1));
        knap->setText(QStringLiteral("..."));
        knap->setToolTip(QStringLiteral("Vælg mappe"));
        knap->setStatusTip(knap->toolTip());
        grid->addWidget(knap, row, 2);
        connect(knap, &QToolButton::clicked, this, [this, edit] {
            TFolderDialog mappeDia(this);
            const QString folder = edit->text().trimmed();
            mappeDia.Directory =
                Platform::files().isFolder(folder) ? folder : QStringLiteral("C:\\");
            if (mappeDia.Execute())
                edit->setText(mappeDia.Directory);
        });
    }
    auto* knapper = new QHBoxLayout;
    auto knap = [&](const char* name, const char* text, const char* hint) {
        auto* button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromUtf8(hint));
        button->setStatusTip(button->toolTip());
        knapper->addWidget(button);
        return button;
    };
    connect(knap("gemKnap", "Gem", "Gem ændringer og luk"), &QPushButton::clicked, this,
            [this] { gem(); });
    connect(knap("annullerKnap", "Annuller", "Annuller ændringer og luk"), &QPushButton::clicked,
            this, &QDialog::reject);
    connect(knap("gendanKnap", "Gendan", "Hent oprindelige mapper"), &QPushButton::clicked, this,
            &Tstiform::gendan);
    knapper->addStretch();
    connect(knap("infoKnap", "Information", ""), &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Personlige mapper"), true); });
    grid->addLayout(knapper, PersonligeMapper::Antal, 0, 1, 3);
}

void Tstiform::hent(MainHost& host) {
    if (host.mapper().optDir.isEmpty())
        host.personligeMapper().stier = PersonligeMapper::standard();
    else
        host.personligeMapper().hent(host.mapper().optDir + QStringLiteral("mappeStier.txt"));
}

void Tstiform::fyld() {
    for (int row = 0; row < PersonligeMapper::Antal; ++row)
        m_edits.at(row)->setText(m_host.personligeMapper().stier[row]);
}

void Tstiform::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        fyld();
    CentredDialog::showEvent(event);
}

bool Tstiform::gem() {
    PersonligeMapper nye = m_host.personligeMapper();
    for (int row = 0; row < PersonligeMapper::Antal; ++row) {
        const QString folder = LogicalPath::normalized(m_edits.at(row)->text().trimmed());
        if (Platform::files().isFolder(folder))
            nye.stier[row] = folder;
    }
    if (m_host.mapper().optDir.isEmpty() || !nye.gem(m_filnavn)) {
        Platform::prompter().message(
            QStringLiteral("Mapperne kunne ikke gemmes.\nDen gamle fil er bevaret."),
            MessageKind::Error);
        return false;
    }
    accept();
    hent(m_host);
    return true;
}

void Tstiform::gendan() {
    m_host.personligeMapper().stier = PersonligeMapper::standard();
    fyld();
}
