#include "mainform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravnsti"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    Tmainform mainform(arguments);
    mainform.show();
    return QApplication::exec();
}
