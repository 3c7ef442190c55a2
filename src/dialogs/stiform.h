#pragma once

#include "shared/centreddialog.h"

#include <QList>

class MainHost;
class QLineEdit;

// "Personlige mapper": the user's own paths for eight personal folders, which the
// special-folder commands use instead of the system's. Only "Gem" writes them, and only
// paths that are existing folders; a row typed wrong keeps its folder.
class Tstiform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tstiform(MainHost& host);

    // Reads "mappeStier.txt" into the main window's folders.
    static void hent(MainHost& host);

    // Writes the rows and closes; false, with the window open, when the file could not be
    // written.
    bool gem();
    void gendan();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fyld();

    MainHost& m_host;
    QString m_filnavn;
    QList<QLineEdit*> m_edits;
};
