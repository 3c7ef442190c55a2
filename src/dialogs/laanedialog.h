#pragma once

#include <QDialog>

class MainHost;
class QMenu;
class QPushButton;
class QToolButton;
class StrukturVisning;

// What the two choice dialogs that borrow an engine tree share: the place and size kept in
// a file of the settings folder (the designed size, centred on the main window, when the
// file gives none), Enter in the tree acting as a double click, and buttons that leave Enter
// to the tree.
class LaaneDialog : public QDialog {
    Q_OBJECT

public:
    LaaneDialog(MainHost& host, const char* optFil, QSize designet);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Reads the place file; called once the dialog's controls stand.
    void placer();
    // Enter in this tree runs aabnValgte.
    void setTrae(StrukturVisning* tree);
    // A double click or Enter on the tree's selected node.
    virtual void aabnValgte() = 0;
    QPushButton* knap(const char* name, const char* text, const char* hint);
    // The "Drev" button, opening `menu` of the drives.
    QToolButton* drevKnap(QMenu* menu, const char* hint);

    MainHost& m_host;

private:
    QString m_optFilnavn;
    StrukturVisning* m_trae = nullptr;
};
