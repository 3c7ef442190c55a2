#include "alarmform.h"

#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/rubrik.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Talarmform::Talarmform(MainHost& host)
    : QDialog(host.hovedvindue(), Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_host(host) {
    setObjectName(QStringLiteral("alarmform"));
    setWindowTitle(QStringLiteral("Alarm"));
    setMinimumSize(320, 300);
    setModal(false);
    m_alarmMemo = new QPlainTextEdit(this);
    m_alarmMemo->setObjectName(QStringLiteral("alarmMemo"));
    m_alarmMemo->setReadOnly(true);
    m_buttonLuk = new QPushButton(QStringLiteral("Luk"), this);
    m_buttonLuk->setObjectName(QStringLiteral("ButtonLuk"));
    m_buttonLuk->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_alarmMemo, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_buttonLuk);
    layout->addLayout(row);
    connect(m_buttonLuk, &QPushButton::clicked, this, &Talarmform::ButtonLukClick);
}

bool Talarmform::showAlarm(const QString& aCaption, const QString& aFilename) {
    QStringList lines;
    if (!TextFile::read(aFilename, lines)) {
        Platform::prompter().message(
            QStringLiteral("Der er opstået en fejl.\nDer kan være en fil, der ikke blev fundet"),
            MessageKind::Information);
        if (!m_viser)
            close();
        return false;
    }
    if (m_viser && isVisible()) {
        m_venter.append({aCaption, lines});
        m_buttonLuk->setText(QStringLiteral("Næste (%1)").arg(m_venter.size()));
        return true;
    }
    vis(aCaption, lines);
    return true;
}

void Talarmform::vis(const QString& caption, const QStringList& lines) {
    m_alarmMemo->setFont(
        QFont(m_host.opt().fontNameDocument, qMax(1, m_host.opt().fontSizeDocument)));
    m_alarmMemo->setPlainText(lines.join(QLatin1Char('\n')));
    setWindowTitle(Rubrik::somTitel(caption));
    m_viser = true;
    m_buttonLuk->setText(m_venter.isEmpty() ? QStringLiteral("Luk")
                                            : QStringLiteral("Næste (%1)").arg(m_venter.size()));
    if (!isVisible()) {
        if (QWidget* main = m_host.hovedvindue(); main && main->isVisible())
            move(main->geometry().center() - rect().center());
        show();
    }
    raise();
    activateWindow();
    m_alarmMemo->setFocus();
    m_buttonLuk->setFocus();
}

void Talarmform::ButtonLukClick() {
    if (!m_venter.isEmpty()) {
        const auto next = m_venter.takeFirst();
        vis(next.first, next.second);
        return;
    }
    setWindowTitle(QStringLiteral("Alarm"));
    m_alarmMemo->clear();
    close();
}

void Talarmform::closeEvent(QCloseEvent* event) {
    // Closing by the title bar lets go of the alarms waiting too.
    m_venter.clear();
    m_viser = false;
    setWindowTitle(QStringLiteral("Alarm"));
    m_alarmMemo->clear();
    m_buttonLuk->setText(QStringLiteral("Luk"));
    QDialog::closeEvent(event);
}
