#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>

class QWidget;

// Keeps the program painting during long work on the main thread and lets the user stop
// it. While a guard lives, user input reaches only its window, since the other windows
// would start work of their own in the middle of this one; Esc in that window, closing it,
// or stop() asks the work to stop. The work calls fortsaet() often.
class Arbejdsvagt : public QObject {
    Q_OBJECT

public:
    explicit Arbejdsvagt(QWidget& window);
    ~Arbejdsvagt() override;

    // At the first call and then every few hundredths of a second: calls `vis` (to show
    // how far the work has come) and handles the waiting events. False once a stop was
    // asked for.
    bool fortsaet(const std::function<void()>& vis = {});
    void stop() { m_stop = true; }
    bool stoppet() const { return m_stop; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    QElapsedTimer m_sidst; // since events were last handled
    bool m_stop = false;
};
