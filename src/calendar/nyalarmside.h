#pragma once

#include "alarmdata.h"

#include <QWidget>

#include <memory>
#include <optional>

class AktiveAlarmer;
class MainHost;
class MediaPlayer;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The calendar window's page "Ny alarm": the editor of one alarm of the three types, with
// the checks of every box, and the saving of its pair of files. An alarm taken in by
// rediger() is replaced when it is saved under another date or time, until "Ny".
class TNyAlarmSide : public QWidget {
    Q_OBJECT

public:
    TNyAlarmSide(MainHost& host, AktiveAlarmer& aktive, QWidget* parent);
    ~TNyAlarmSide() override;

    // The window's first showing: the remembered sound, the document font, a new daily
    // alarm at the current time, nothing to save.
    void forbered(const QFont& font);
    // Fills the editor with an alarm and its text, to be saved in its place.
    void rediger(const TAlarmRecord& a, const QStringList& tekst);
    // The alarm `navn` was deleted: saving no longer replaces it.
    void glem(const QString& navn);

signals:
    // An alarm was written.
    void gemt();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void vaelgType(int type);
    void nyAlarm();
    void gemAlarm();
    bool kontrollerAlarm(TAlarmRecord& r);
    void spilLyd();
    void ret();

    MainHost& m_host;
    AktiveAlarmer& m_aktive;
    std::unique_ptr<MediaPlayer> m_player;
    QButtonGroup* m_alarmtypeValg = nullptr;
    QLineEdit* m_editYear = nullptr;
    QLineEdit* m_editMonth = nullptr;
    QLineEdit* m_editDay = nullptr;
    QLineEdit* m_editTime = nullptr;
    QLineEdit* m_editMinut = nullptr;
    QComboBox* m_cbLydfiler = nullptr;
    QLineEdit* m_editGentagelse = nullptr;
    QLineEdit* m_editOverskrift = nullptr;
    QPlainTextEdit* m_alarmMemo = nullptr;
    QPushButton* m_sbGemAlarm = nullptr;
    bool m_udfylder = false;            // the editor is being filled by the program
    std::optional<QString> m_redigeret; // the name of the alarm being edited
};
