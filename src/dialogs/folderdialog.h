#pragma once

#include <QFlags>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The folder browser as a component a window places: caption, instruction text, the folder
// to preselect, where the browser stands, and the chosen folder as the result.
class TFolderDialog : public QObject {
    Q_OBJECT

public:
    // The browser flags; the browser here honours fdoEditBox, the others describe the
    // folder browsers of other systems and change nothing.
    enum TOption {
        fdoReturnOnlyFSDirs = 0x1,
        fdoDontgoBelowDomain = 0x2,
        fdoStatusText = 0x4,
        fdoReturnFSAncestors = 0x8,
        fdoEditBox = 0x10,
        fdoNewDialogStyle = 0x40,
        fdoNoNewFolderButton = 0x200,
        fdoBrowseForComputer = 0x1000,
        fdoBrowseForPrinter = 0x2000,
    };
    Q_DECLARE_FLAGS(TOptions, TOption)
    enum TDialogPosition { fdpDefault, fdpScreenCenter, fdpXY };

    // Set as every window of the program sets it: caption "Vælg mappe", the edit box, centred
    // on the screen.
    explicit TFolderDialog(QWidget* owner);

    QString Caption;
    QString Title;
    // In: the folder to preselect; out: the chosen folder.
    QString Directory;
    TOptions Options = fdoNewDialogStyle;
    TDialogPosition DialogPosition = fdpDefault;
    int DialogX = 0;
    int DialogY = 0;
    // The icon slot of the chosen folder in the folder tree's icons.
    int ImageIndex() const { return FImageIndex; }
    static QString Version() { return QStringLiteral("1.1.4.0"); }

    // Shows the browser modally; true when a folder was chosen, which is then in Directory.
    bool Execute();

    // What takes the browser's place in tests: it gets the dialog, ready to show, and
    // answers with the chosen folder or nullopt for cancel. Empty restores the browser.
    using Browser = std::function<std::optional<QString>(const TFolderDialog&)>;
    static void setBrowser(Browser browser);

private:
    std::optional<QString> browse() const;

    QWidget* FParent;
    int FImageIndex = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TFolderDialog::TOptions)
