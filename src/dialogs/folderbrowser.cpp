#include "folderbrowser.h"
#include "undermapper.h"

#include "engine/ikonplads.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/imagelists.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int PathRole = Qt::UserRole;

} // namespace

FolderBrowser::FolderBrowser(QWidget* parent, const QString& title, bool medEditBox)
    : QDialog(parent), m_tree(new QTreeWidget(this)), m_edit(new QLineEdit(this)) {
    setObjectName(QStringLiteral("folderBrowser"));
    resize(340, 420);
    auto* column = new QVBoxLayout(this);
    auto* label = new QLabel(title, this);
    label->setWordWrap(true);
    label->setVisible(!title.isEmpty());
    column->addWidget(label);
    m_tree->setObjectName(QStringLiteral("mappeTrae"));
    m_tree->setHeaderHidden(true);
    column->addWidget(m_tree, 1);
    m_edit->setObjectName(QStringLiteral("mappeEdit"));
    m_edit->setVisible(medEditBox);
    column->addWidget(m_edit);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("okKnap"));
    buttons->addButton(QStringLiteral("Annuller"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("annullerKnap"));
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const QList<QIcon> icons = ImageLists::dirliste();
    for (const VolumeInfo& v : Platform::volumes().list()) {
        const QString drive = QString(v.drive.letter) + QLatin1Char(':');
        if (!Platform::files().isFolder(drive))
            continue;
        const QString text =
            v.drive.label.isEmpty() ? drive : QStringLiteral("%1 (%2)").arg(v.drive.label, drive);
        QTreeWidgetItem* item = addFolder(nullptr, text, drive);
        item->setIcon(
            0, icons.value(drive == QLatin1String("C:") ? IkonPlads::DrevC : IkonPlads::Drev));
    }
    connect(m_tree, &QTreeWidget::itemExpanded, this, &FolderBrowser::fyld);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        m_tree->scrollToItem(item);
        const QString path = item->data(0, PathRole).toString();
        m_edit->setText(LogicalPath::isDriveRoot(path) ? path + QLatin1Char('\\') : path);
    });
}

QTreeWidgetItem* FolderBrowser::addFolder(QTreeWidgetItem* parent, const QString& text,
                                          const QString& path) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, text);
    item->setData(0, PathRole, path);
    item->setIcon(0, ImageLists::dirliste().value(IkonPlads::Mappe));
    // Read when opened; until then the item may be opened.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

void FolderBrowser::fyld(QTreeWidgetItem* item) {
    if (item->childCount() > 0 || item->data(0, PathRole + 1).toBool())
        return;
    item->setData(0, PathRole + 1, true);
    const QString path = item->data(0, PathRole).toString();
    for (const QString& name : undermapper(path))
        addFolder(item, name, LogicalPath::join(path, name));
    if (item->childCount() == 0)
        item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

void FolderBrowser::preselect(const QString& folder) {
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < m_tree->topLevelItemCount() && !found; ++i) {
        QTreeWidgetItem* item = m_tree->topLevelItem(i);
        const QString root = item->data(0, PathRole).toString();
        if (!LogicalPath::same(root, folder.left(2)))
            continue;
        found = item;
        const QStringList parts = folder.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            found->setExpanded(true);
            QTreeWidgetItem* next = nullptr;
            for (int c = 0; c < found->childCount() && !next; ++c)
                if (found->child(c)->text(0).compare(part, Qt::CaseInsensitive) == 0)
                    next = found->child(c);
            if (!next)
                break;
            found = next;
        }
    }
    if (found)
        m_tree->setCurrentItem(found);
}

void FolderBrowser::accept() {
    QString path = !m_edit->isHidden() || !m_tree->currentItem()
                       ? m_edit->text().trimmed()
                       : m_tree->currentItem()->data(0, PathRole).toString();
    path = LogicalPath::normalized(path);
    if (path.isEmpty() || !Platform::files().isFolder(path)) {
        Platform::prompter().message(QStringLiteral("Mappen blev ikke fundet."),
                                     MessageKind::Information);
        return;
    }
    m_valgt = path;
    QDialog::accept();
}
