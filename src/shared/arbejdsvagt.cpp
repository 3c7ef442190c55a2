#include "arbejdsvagt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// How long the work may run before the windows get their events.
constexpr qint64 kInterval = 40; // ms

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

Arbejdsvagt::Arbejdsvagt(QWidget& window) : m_window(window) {
    qApp->installEventFilter(this);
}

Arbejdsvagt::~Arbejdsvagt() {
    qApp->removeEventFilter(this);
}

bool Arbejdsvagt::fortsaet(const std::function<void()>& vis) {
    if (!m_sidst.isValid() || m_sidst.elapsed() >= kInterval) {
        if (vis)
            vis();
        QCoreApplication::processEvents();
        m_sidst.start();
    }
    return !m_stop;
}

bool Arbejdsvagt::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || !isUserInput(event->type()))
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != &m_window)
        return true;
    if (event->type() == QEvent::Close) {
        m_stop = true;
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_stop = true;
        return true;
    }
    return false;
}
