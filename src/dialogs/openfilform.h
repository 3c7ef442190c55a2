#pragma once

#include "laanedialog.h"

#include "shared/strukturlaan.h"

#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QWidget;
class Stifaner;
class StrukturTree;
class TreeDragDrop;

// The text-document dialog, shown in the engine's own file pane, borrowed while the dialog
// is open. In open mode ("Åben tekstdokument") the documents chosen open in the editor while
// the dialog stays; in save mode ("Gem dokument") a folder and a name are chosen. Its place
// and size are kept in "opentekstfil.txt".
class Topenfilform : public LaaneDialog {
    Q_OBJECT

public:
    // The main window's commands the tool bar and the tree's menu show, by name.
    using Handlinger = std::function<QAction*(const QString& name)>;

    Topenfilform(MainHost& host, Handlinger handling);
    ~Topenfilform() override;

    // 0 open mode, 1 save mode; set before initDirectory.
    int boxType = 0;
    // Save mode: in, the name proposed; out, after OK, the chosen full path.
    QString Filnavn;
    // The folder shown when the dialog closed.
    QString Mappenavn;

    // Borrows the engine's file pane and shows the folder the engine shows in it, in the
    // mode of boxType; the caller then shows the dialog modally. Closing gives the pane back.
    void initDirectory();
    // The folder the engine showed when the dialog was opened.
    const QString& aGrundmappe() const { return m_aGrundmappe; }

    StrukturTree* openbox() const { return m_openbox; }
    TreeDragDrop& dragDrop() const { return *m_dragDrop; }
    void done(int result) override;

    // Opens a file in the editor: a file of a type that is not known as text only after
    // the user said it is text.
    void OpenInEditor(const QString& file);

signals:
    // The user clicked in the tree: the selection the main window's commands act on changed.
    void valgtSkift();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The engine's change event while the dialog is open.
    void mappenChange(const QString& dirDir, const QString& fileDir, const QString& grundDir,
                      const QString& filnavnet);
    void aabnValgte() override;
    void taegeValg();
    void RedigerClick();
    void GemClick();
    void visMenu(const QPoint& position);
    QWidget* mappeKnapper();
    QWidget* vaerktoejslinje();

    Handlinger m_handling;
    QString m_aGrundmappe;
    Stifaner* m_stiboxen;
    StrukturTree* m_openbox;
    TreeDragDrop* m_dragDrop;
    QMenu* m_drevMenu;
    QWidget* m_openPanel;
    QWidget* m_gemPanel;
    QLineEdit* m_editSti;
    QLineEdit* m_editFilnavn;
    QAction* m_aRedigerDokument;
    std::optional<StrukturLaan> m_laan;
};
