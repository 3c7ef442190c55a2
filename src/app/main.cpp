#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravnsti"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ravnsti"));
    window.resize(882, 720);
    window.show();
    return QApplication::exec();
}
