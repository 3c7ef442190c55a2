#include "folderdialog.h"
#include "folderbrowser.h"

#include "engine/ikonplads.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

namespace {

TFolderDialog::Browser& testBrowser() {
    static TFolderDialog::Browser browser;
    return browser;
}

} // namespace

TFolderDialog::TFolderDialog(QWidget* owner)
    : QObject(owner), Caption(QStringLiteral("Vælg mappe")),
      Options(TOptions(fdoNewDialogStyle) | fdoEditBox), DialogPosition(fdpScreenCenter),
      FParent(owner) {}

void TFolderDialog::setBrowser(Browser browser) {
    testBrowser() = std::move(browser);
}

bool TFolderDialog::Execute() {
    if (!Platform::files().isFolder(Directory))
        Directory = Platform::logicalPath(QDir::currentPath()).value_or(QStringLiteral("C:"));
    const std::optional<QString> chosen = testBrowser() ? testBrowser()(*this) : browse();
    if (!chosen)
        return false;
    Directory = *chosen;
    FImageIndex = LogicalPath::isDriveRoot(Directory) ? IkonPlads::Drev : IkonPlads::Mappe;
    return true;
}

std::optional<QString> TFolderDialog::browse() const {
    QWidget* owner = FParent ? FParent->window() : QApplication::activeWindow();
    FolderBrowser browser(owner, Title, Options.testFlag(fdoEditBox));
    if (!Caption.isEmpty())
        browser.setWindowTitle(Caption);
    browser.preselect(Directory);
    switch (DialogPosition) {
    case fdpDefault:
        if (owner)
            browser.move(owner->geometry().topLeft() + QPoint(20, 20));
        break;
    case fdpScreenCenter:
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = browser.frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            browser.move(frame.topLeft());
        }
        break;
    case fdpXY:
        browser.move(qMax(0, DialogX), qMax(0, DialogY));
        break;
    }
    if (browser.exec() != QDialog::Accepted)
        return std::nullopt;
    return browser.valgt();
}
