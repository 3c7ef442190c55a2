#include "laanedialog.h"

#include "engine/strukturvisning.h"
#include "shared/datafolders.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"
#include "shared/vinduesgeometri.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

LaaneDialog::LaaneDialog(MainHost& host, const char* optFil, QSize designet)
    : QDialog(host.hovedvindue()), m_host(host),
      m_optFilnavn(host.mapper().optDir + QString::fromLatin1(optFil)) {
    resize(designet);
}

void LaaneDialog::placer() {
    VinduesGeometri::placer(*this, m_optFilnavn, *m_host.hovedvindue());
}

void LaaneDialog::setTrae(StrukturVisning* tree) {
    m_trae = tree;
    tree->installEventFilter(this);
}

QPushButton* LaaneDialog::knap(const char* name, const char* text, const char* hint) {
    return dialogKnap(name, QString::fromUtf8(text), QString::fromUtf8(hint), this);
}

QToolButton* LaaneDialog::drevKnap(QMenu* menu, const char* hint) {
    auto* drev = new QToolButton(this);
    drev->setObjectName(QStringLiteral("drevKnap"));
    drev->setText(QStringLiteral("Drev"));
    drev->setToolTip(QString::fromUtf8(hint));
    drev->setMenu(menu);
    drev->setPopupMode(QToolButton::InstantPopup);
    return drev;
}

bool LaaneDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_trae && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            aabnValgte();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LaaneDialog::done(int result) {
    VinduesGeometri::gem(*this, m_optFilnavn, true);
    QDialog::done(result);
}
