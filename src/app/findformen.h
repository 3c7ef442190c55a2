#pragma once

#include "shared/centreddialog.h"

class QAction;
class Arbejdsvagt;
class QCheckBox;
class QPushButton;
class QComboBox;
class QLabel;
class QRadioButton;
class QToolButton;
class MainHost;

// The find window: finds files and folders by name under the folder in focus and lists
// them in the file pane; its panel "Fremvis filtype" marks or filters the file pane by one
// file type. Shown without blocking, above the main window.
class Tfindformen : public CentredDialog {
    Q_OBJECT

public:
    explicit Tfindformen(MainHost& host);

    // The main window's search command and its command emptying the list of earlier search
    // texts, shown by the window's two buttons.
    void setSearchAction(QAction* aSearch);
    void setClearSearchListeAction(QAction* aClearSearchListe);

    // Enabling rules of those two commands.
    bool searchEnabled() const;
    bool clearSearchListeEnabled() const;
    // Effects of those two commands.
    void Search();
    void clearSearchListe();

    // The folder in focus, as the main window shows it after every change.
    void setSoegemappe(const QString& folder);

protected:
    // Enter in the search box runs the search command, in the type box the highlighting.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int searchOpt() const;
    void setSearchOpt(int option);
    void fremvis(bool kun);

    MainHost& m_host;
    QAction* m_aSearch = nullptr;
    QRadioButton* m_options[3] = {};
    QLabel* m_labelSearch = nullptr;
    QComboBox* m_editSearch = nullptr;
    QToolButton* m_speedButton3 = nullptr;
    QToolButton* m_speedButton2 = nullptr;
    QCheckBox* m_checkPos = nullptr;
    QLabel* m_antalFundne = nullptr;
    QComboBox* m_editFremvis = nullptr;
    QLabel* m_fremvisInfo = nullptr;
    QPushButton* m_stop = nullptr;
    Arbejdsvagt* m_vagt = nullptr; // while a search runs
};
