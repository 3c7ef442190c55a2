#include "mainform.h"
#include "shared/formprompter.h"

#include "platform/platform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravnsti"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    Tmainform mainform(arguments);
    Platform::setPrompter(std::make_unique<FormPrompter>(*mainform.spmForm()));
    mainform.show();
    return QApplication::exec();
}
