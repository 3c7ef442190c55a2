#pragma once

#include <QCalendarWidget>
#include <QString>

class QLabel;

// The month calendar of the calendar window: one month as a grid of day cells whose weeks
// begin on Monday, with one selected date, under a heading with the Danish month and year.
// change() follows every change of the selected date, and every setDato().
class TKalender : public QWidget {
    Q_OBJECT

public:
    explicit TKalender(QWidget* parent = nullptr);

    QDate dato() const;
    // Always raises change(); an invalid date is ignored.
    void setDato(QDate dato);
    // The day stays, brought down to the length of the new month.
    void forrigeMaaned();
    void naesteMaaned();
    // 29 February becomes 28 February first.
    void forrigeAar();
    void naesteAar();

    QCalendarWidget* grid() const { return m_grid; }
    // " Januar" ... " December", " Søndag" ... " Lørdag": the names of the date folders.
    static QString maanedNavn(int maaned);
    static QString ugedagNavn(QDate dato);

signals:
    void change();

private:
    void flyt(QDate dato);
    void opdaterOverskrift();

    QCalendarWidget* m_grid = nullptr;
    QLabel* m_overskrift = nullptr;
};
