#pragma once

#include "alarmdata.h"

#include <QDate>
#include <QDialog>
#include <QList>

#include <optional>

class AktiveAlarmer;
class MainHost;
class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TKalender;
class TNyAlarmSide;

// The calendar window "Kalender og alarmer": the month calendar with a note per day and a
// folder tree per date, the list of alarms, the alarm editor and the difference between two
// dates. Created once, hidden; it remembers its place in "kalender.txt".
class Tkalenderform : public QDialog {
    Q_OBJECT

public:
    enum Side { SideKalender = 0, SideAlarmer = 1, SideNyAlarm = 2, SideDatoforskelle = 3 };

    Tkalenderform(MainHost& host, AktiveAlarmer& aktive);
    ~Tkalenderform() override;

    // Shows the window on a page; the calendar page also shows the date's folder.
    void visSide(Side side);
    // Shows the selected date's folder in the main window's file pane.
    void setMappe();
    // Fills the list with the main window's active alarms ("Vis aktive").
    void loadDagensAlarmer();
    // Every valid alarm on disk ("Vis alle").
    void visAlle();
    // The note of a date, "<Notater>\dd-MM-yyyy.txt".
    QString notatfil(QDate dato) const;
    // The date folders "<Kalender>\YYYY", "...\MM Måned", "...\DD Ugedag".
    QStringList datomapper(QDate dato) const;

    TKalender* kalender() const { return m_kal[0].kalender; }
    QAction* aMemoGem() const { return m_memoGem; }
    QAction* aMemoSlet() const { return m_memoSlet; }
    const QString& memoFilename() const { return m_memoFilename; }
    bool visAlleAlarmer() const { return m_alleMode; }
    const QList<TAlarmRecord>& alarmX() const { return m_alarmX; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct KalenderGruppe {
        TKalender* kalender = nullptr;
        QLineEdit* dag = nullptr;
        QLineEdit* maaned = nullptr;
        QLineEdit* aar = nullptr;
        QPushButton* idag = nullptr;
    };
    QWidget* byggKalenderGruppe(int n, QWidget* parent);
    QWidget* byggKalenderSide();
    QWidget* byggAlarmSide();
    QWidget* byggForskelSide();

    void forberedFoersteVisning();
    void opdaterIdag();
    void opdaterKalender(int n);
    void kalenderChange();
    // Asks whether to save a changed note before it leaves the box; false only when
    // saving failed.
    bool gemAendretNotat();
    bool gemNotat(QDate dato);
    void sletNotat();
    void ButtonOpretMappeClick();
    void visNotatmappeClick();
    void beregn();

    // The list of the mode shown, read again.
    void opdaterAlarmListe();
    void visListe(const QList<TAlarmRecord>& alarms);
    std::optional<TAlarmRecord> valgtAlarm(const QString& handling) const;
    void redigerAlarm();
    void sletAlarm();

    MainHost& m_host;
    AktiveAlarmer& m_aktive;
    QString optFilnavnKalender;
    bool opstart = true;
    QString m_memoFilename;
    QDate m_notatDato; // the date whose note the box holds

    QTabWidget* m_bog = nullptr;
    KalenderGruppe m_kal[3];
    QPushButton* m_datoLabel = nullptr;
    QPlainTextEdit* m_notatMemo = nullptr;
    QAction* m_memoGem = nullptr;
    QAction* m_memoSlet = nullptr;
    QLabel* m_labelAntalMapper = nullptr;
    QLabel* m_labelAntalFiler = nullptr;
    QLineEdit* m_edit1 = nullptr;
    QLineEdit* m_edit2 = nullptr;

    QLabel* m_labelOverskrift = nullptr;
    QTableWidget* m_alarmBox = nullptr;
    QPushButton* m_visAktive = nullptr;
    QPushButton* m_visAlle = nullptr;
    QPushButton* m_slet = nullptr;
    QPushButton* m_rediger = nullptr;
    bool m_alleMode = false;
    QList<TAlarmRecord> m_alarmX; // the rows of the list shown

    TNyAlarmSide* m_nyAlarm = nullptr;
};
