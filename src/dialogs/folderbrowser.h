#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The folder browser: the program's drives and their folders as a tree, each folder read when
// it is opened, with an instruction text above and, when asked for, a box that shows the
// chosen path and takes a typed one. Paths are logical ("C:\Fotos").
class FolderBrowser : public QDialog {
    Q_OBJECT

public:
    FolderBrowser(QWidget* parent, const QString& title, bool medEditBox);

    // Opens the tree down to the folder and selects it.
    void preselect(const QString& folder);
    // The chosen folder, after Accepted.
    const QString& valgt() const { return m_valgt; }

    void accept() override;

private:
    void fyld(QTreeWidgetItem* item);
    QTreeWidgetItem* addFolder(QTreeWidgetItem* parent, const QString& text, const QString& path);

    QTreeWidget* m_tree;
    QLineEdit* m_edit;
    QString m_valgt;
};
