#pragma once

#include <QDialog>

class MainHost;
class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QSlider;
class QTimer;
class QToolBar;
class QToolButton;

// The music player "Musik": plays the engine's queue, shows it, the time and the progress,
// and sets the volume. Lives hidden from start to end; closing it stops the timer, not
// the piece that plays.
class Tmusikformen : public QDialog {
    Q_OBJECT

public:
    explicit Tmusikformen(MainHost& host);

    // Every way of closing ends here: "Luk", the title bar and Escape.
    void done(int result) override;

    // The main window's queue commands, shown as text buttons of the tool bar.
    void visKommandoer(const QList<QAction*>& kommandoer);

    QListWidget* Musikbox() const { return m_musikbox; }
    QCheckBox* SpilAlle() const { return m_spilAlle; }
    // The selected row of the queue; -1 when none.
    int valgtRaekke() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString pladsfil() const;
    void spil();
    void pause();
    void stop();
    // Tells that nothing is loaded; true when a file is.
    bool harMusik();
    void tick();
    void opdaterListe();
    void indlaest(int listeNo);
    void visLaengde(qint64 laengde);
    void lydstyrke(int position);
    void aabnMappe();

    MainHost& m_host;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_labelPos = nullptr;
    QLabel* m_labelMusikTid = nullptr;
    QProgressBar* m_progress = nullptr;
    QCheckBox* m_spilAlle = nullptr;
    QCheckBox* m_spilGentag = nullptr;
    QSlider* m_lydBar = nullptr;
    QListWidget* m_musikbox = nullptr;
    QTimer* m_playTimer = nullptr;
};
