// The least a Qt program with the main window's two trees does to show them: bench_startup
// measures the program's start against this one. Prints "vist" and ends right after the
// first show, as ravnsti does with RAVNSTI_BENCH_FIRSTSHOW=1.
#include <QApplication>
#include <QHBoxLayout>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(new QTreeWidget(&window));
    layout->addWidget(new QTreeWidget(&window));
    window.resize(882, 720);
    window.show();
    QTimer::singleShot(0, &app, [] {
        std::puts("vist");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return QApplication::exec();
}
