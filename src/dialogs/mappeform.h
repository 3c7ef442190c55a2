#pragma once

#include "shared/centreddialog.h"

class MainHost;
class QComboBox;
class QLineEdit;
class QListWidget;

// "Vælg mappe": where "Kopier til" and "Flyt til" put the selected elements. A drive list, a
// folder list that walks the chosen drive, and buttons for the user's special folders; the
// destination box follows the folder list. OK with a destination that is no longer a folder
// says so and counts as cancel.
class Tmappeform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tmappeform(MainHost& host);

    // True for "Kopier til", false for "Flyt til": chooses the help topic.
    bool kopierTil = true;
    void setKilde(const QString& folder);
    // The folder highlighted in the list.
    const QString& destination() const { return m_mappe; }
    // Makes the folder list show a folder (one that is not there changes nothing).
    void visMappe(const QString& folder);

    void done(int result) override;

private:
    void fyldDrev();
    void tilDrev(int index);
    // The destination, in the box and the drive list.
    void vaelg(const QString& mappe);

    MainHost& m_host;
    QString m_optFilnavn;
    QString m_mappe;
    QLineEdit* m_editSource;
    QLineEdit* m_editDest;
    QComboBox* m_drevBox;
    QListWidget* m_dirBox;
};
