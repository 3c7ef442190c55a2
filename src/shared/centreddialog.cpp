#include "centreddialog.h"

#include <QBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

// The icons are a resource of this static library; registering them more than once is
// harmless. The macro has to be used from the global namespace.
static void registerIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace {

void iconsRegistered() {
    [[maybe_unused]] static const bool registered = (registerIconResources(), true);
}

} // namespace

CentredDialog::CentredDialog(QWidget* parent, Qt::WindowFlags extraFlags)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | extraFlags) {}

QIcon CentredDialog::programIcon(const QString& name) {
    iconsRegistered();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon CentredDialog::windowIcon() {
    iconsRegistered();
    QIcon icon;
    for (const int size : {16, 32, 64, 128}) {
        // Read as the PNGs they are: asked to guess, Qt loads every image-format plugin there
        // is to ask each of them first.
        QImageReader reader(QStringLiteral(":/icons/ravnsti-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

void CentredDialog::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (const QWidget* host = parentWidget()) {
            QRect frame(QPoint(), frameGeometry().size());
            frame.moveCenter(host->window()->frameGeometry().center());
            move(frame.topLeft());
        }
        if (m_firstFocus)
            m_firstFocus->setFocus();
    }
    QDialog::showEvent(event);
}

QPushButton* CentredDialog::addButton(QBoxLayout* row, const QString& name, const QString& text,
                                      DialogCode result) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    row->addWidget(button);
    return button;
}

QBoxLayout* CentredDialog::jaNejButtons() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ja =
        addButton(buttons, QStringLiteral("okButton"), QStringLiteral("Ja"), Accepted);
    ja->setDefault(true);
    setFirstFocus(ja);
    addButton(buttons, QStringLiteral("cancelButton"), QStringLiteral("Nej"), Rejected);
    return buttons;
}
