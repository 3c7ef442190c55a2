#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

class MainHost;
class QPlainTextEdit;
class QPushButton;

// The alarm window: the text of the alarm that fired, captioned with its heading, always
// on top and centred on the main window. It never blocks its caller. An alarm that fires
// while another is shown waits: "Luk" shows the next waiting alarm, and closes the window
// only when none is left, so no alarm's text goes unseen.
class Talarmform : public QDialog {
    Q_OBJECT

public:
    explicit Talarmform(MainHost& host);

    // Shows the text file `aFilename` captioned `aCaption` (or queues it while another alarm
    // is shown); false, after the message of a missing file, when it cannot be read.
    bool showAlarm(const QString& aCaption, const QString& aFilename);
    // Alarms waiting behind the one shown.
    int venter() const { return int(m_venter.size()); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void vis(const QString& caption, const QStringList& lines);
    void ButtonLukClick();

    MainHost& m_host;
    QPlainTextEdit* m_alarmMemo = nullptr;
    QPushButton* m_buttonLuk = nullptr;
    QList<QPair<QString, QStringList>> m_venter;
    bool m_viser = false; // an alarm is on show
};
