#include "mappeform.h"
#include "undermapper.h"

#include "engine/handlinger.h"
#include "engine/ikonplads.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/datafolders.h"
#include "shared/imagelists.h"
#include "shared/mainhost.h"
#include "shared/vinduesgeometri.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;

using Opslag = std::optional<QString> (TMapper::*)(bool) const;

} // namespace

Tmappeform::Tmappeform(MainHost& host)
    : CentredDialog(host.hovedvindue(), Qt::WindowStaysOnTopHint), m_host(host),
      m_optFilnavn(host.mapper().optDir + QStringLiteral("mappeform.txt")),
      m_editSource(new QLineEdit(this)), m_editDest(new QLineEdit(this)),
      m_drevBox(new QComboBox(this)), m_dirBox(new QListWidget(this)) {
    setObjectName(QStringLiteral("mappeform"));
    setWindowTitle(QStringLiteral("Vælg mappe"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Kildemappe:"), this));
    m_editSource->setObjectName(QStringLiteral("EditSource"));
    m_editSource->setReadOnly(true);
    column->addWidget(m_editSource);
    column->addWidget(new QLabel(QStringLiteral("Destignationsmappe:"), this));
    m_editDest->setObjectName(QStringLiteral("EditDest"));
    m_editDest->setReadOnly(true);
    column->addWidget(m_editDest);

    auto* drev = new QHBoxLayout;
    m_drevBox->setObjectName(QStringLiteral("DrevBox"));
    drev->addWidget(m_drevBox, 1);
    auto* opdater = new QToolButton(this);
    opdater->setObjectName(QStringLiteral("ButtonUpdateDrev"));
    opdater->setIcon(programIcon(QStringLiteral("cmd-aOpdaterAll")));
    opdater->setToolTip(QStringLiteral("Opdater drevlisten"));
    opdater->setStatusTip(opdater->toolTip());
    drev->addWidget(opdater);
    column->addLayout(drev);
    m_dirBox->setObjectName(QStringLiteral("DirBox"));
    column->addWidget(m_dirBox, 1);

    // The user's own special folders, then those all users share.
    const struct {
        const char* hint;
        const char* icon;
        Opslag opslag;
    } knapper[] = {
        {"Skrivebord", "Action1", &TMapper::GetMyDesktop},
        {"Dokumentmappe", "Action2", &TMapper::GetMyDocuments},
        {"Billedmappe", "Action4", &TMapper::GetMyPictures},
        {"Musikmappe", "Action5", &TMapper::GetMyMusic},
        {"Videomappe", "Action6", &TMapper::GetMyVideo},
        {"Delt dokumentmappe", "Action2", &TMapper::GetCommonDocuments},
        {"Delt billedmappe", "Action4", &TMapper::GetCommonPictures},
        {"Delt musikmappe", "Action5", &TMapper::GetCommonMusic},
        {"Delt videomappe", "Action6", &TMapper::GetCommonVideo},
    };
    // Two rows, the user's own and the shared, so the narrow window shows every button.
    QToolBar* bar = nullptr;
    int nummer = 0;
    for (const auto& knap : knapper) {
        if (nummer == 0 || nummer == 5) {
            bar = new QToolBar(this);
            bar->setObjectName(nummer == 0 ? QStringLiteral("mappebar")
                                           : QStringLiteral("deltMappebar"));
            bar->setIconSize(QSize(16, 16));
            column->addWidget(bar);
        }
        QAction* action = bar->addAction(programIcon(QStringLiteral("cmd-") + knap.icon),
                                         QString::fromUtf8(knap.hint));
        action->setObjectName(QStringLiteral("mappeKnap%1").arg(++nummer));
        action->setStatusTip(action->text());
        connect(action, &QAction::triggered, this, [this, opslag = knap.opslag] {
            if (const std::optional<QString> folder = (m_host.funk().*opslag)(true))
                visMappe(*folder);
        });
    }

    auto* knapRaekke = new QHBoxLayout;
    auto* info = new QPushButton(QStringLiteral("Information"), this);
    info->setObjectName(QStringLiteral("ButtonInfo"));
    // The window is narrow: the help button stands on a row of its own.
    auto* infoRaekke = new QHBoxLayout;
    infoRaekke->addStretch();
    infoRaekke->addWidget(info);
    column->addLayout(infoRaekke);
    info->setStatusTip(QStringLiteral("Information om oprettelse af genveje"));
    connect(info, &QPushButton::clicked, this, [this] {
        m_host.HelpInfo(kopierTil ? QStringLiteral("Kopier til") : QStringLiteral("Flyt til"),
                        true);
    });
    knapRaekke->addStretch();
    QPushButton* ok =
        addButton(knapRaekke, QStringLiteral("okKnap"), QStringLiteral("Ok     "), Accepted);
    ok->setDefault(true);
    addButton(knapRaekke, QStringLiteral("annullerKnap"), QStringLiteral("Annuller"), Rejected);
    column->addLayout(knapRaekke);

    connect(opdater, &QToolButton::clicked, this, [this] { fyldDrev(); });
    connect(m_drevBox, &QComboBox::activated, this, &Tmappeform::tilDrev);
    connect(m_dirBox, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { visMappe(item->data(PathRole).toString()); });
    // The highlighted folder is the destination, however the highlight moved.
    connect(m_dirBox, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            vaelg(item->data(PathRole).toString());
    });
    setFirstFocus(m_dirBox);

    resize(246, 419);
    VinduesGeometri::hent(*this, m_optFilnavn, false);
    fyldDrev();
    visMappe(QStringLiteral("C:"));
}

void Tmappeform::setKilde(const QString& folder) {
    m_editSource->setText(folder);
}

void Tmappeform::fyldDrev() {
    m_drevBox->clear();
    const QList<QIcon> icons = ImageLists::dirliste();
    for (const VolumeInfo& v : Platform::volumes().list()) {
        const QString drive = QString(v.drive.letter) + QLatin1Char(':');
        if (!Platform::files().isFolder(drive))
            continue;
        m_drevBox->addItem(
            icons.value(drive == QLatin1String("C:") ? IkonPlads::DrevC : IkonPlads::Drev),
            v.drive.label.isEmpty() ? drive.toLower()
                                    : QStringLiteral("%1 [%2]").arg(drive.toLower(), v.drive.label),
            drive);
    }
    m_drevBox->setCurrentIndex(m_drevBox->findData(m_mappe.left(2).toUpper()));
}

void Tmappeform::tilDrev(int index) {
    const QString drive = m_drevBox->itemData(index).toString();
    if (!Platform::files().isFolder(drive)) {
        Platform::prompter().message(QStringLiteral("Drevet %1 er ikke klar.").arg(drive),
                                     MessageKind::Information);
        fyldDrev();
        return;
    }
    visMappe(drive);
}

void Tmappeform::visMappe(const QString& folder) {
    const QString mappe = LogicalPath::normalized(folder);
    if (!Platform::files().isFolder(mappe))
        return;
    vaelg(mappe);

    // The folders from the drive down to this one, opened, then its subfolders.
    m_dirBox->clear();
    const QIcon mappeIkon = ImageLists::filliste().value(IkonPlads::FilMappe);
    QStringList chain;
    for (QString p = mappe; !p.isEmpty(); p = LogicalPath::parent(p))
        chain.prepend(p);
    int niveau = 0;
    for (const QString& p : std::as_const(chain)) {
        const QString text =
            LogicalPath::isDriveRoot(p) ? p + QLatin1Char('\\') : LogicalPath::lastComponent(p);
        auto* item = new QListWidgetItem(mappeIkon, QString(niveau++ * 3, QLatin1Char(' ')) + text,
                                         m_dirBox);
        item->setData(PathRole, p);
    }
    m_dirBox->setCurrentRow(m_dirBox->count() - 1);
    for (const QString& name : undermapper(mappe)) {
        auto* item =
            new QListWidgetItem(mappeIkon, QString(niveau * 3, QLatin1Char(' ')) + name, m_dirBox);
        item->setData(PathRole, LogicalPath::join(mappe, name));
    }
}

void Tmappeform::vaelg(const QString& mappe) {
    m_mappe = mappe;
    m_editDest->setText(LogicalPath::isDriveRoot(mappe) ? mappe + QLatin1Char('\\') : mappe);
    m_drevBox->setCurrentIndex(m_drevBox->findData(mappe.left(2).toUpper()));
}

void Tmappeform::done(int result) {
    if (result == Accepted && !Platform::files().isFolder(m_mappe)) {
        Platform::prompter().message(QStringLiteral("Mappen blev ikke fundet."),
                                     MessageKind::Information);
        result = Rejected;
    }
    VinduesGeometri::gem(*this, m_optFilnavn, false);
    CentredDialog::done(result);
}
