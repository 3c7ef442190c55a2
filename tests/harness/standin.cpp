#include "standin.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>

StandIn::StandIn(TestEnvironment& env) : m_folder(env.base() + QStringLiteral("/standin")) {
    QDir().mkpath(m_folder);
    qputenv("PATH", m_folder.toLocal8Bit());
}

QString StandIn::program(const QString& name) const {
    const QString path = m_folder + QLatin1Char('/') + name;
    writeProgram(path);
    return path;
}

void StandIn::writeProgram(const QString& hostPath) {
    // Each start writes its own record whole and then gives it its name, so a record that
    // can be seen is complete.
    QFile file(hostPath);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("#!/bin/sh\n"
               "f=\"$0.$$\"\n"
               "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$f.tmp\"\n"
               "/bin/mv \"$f.tmp\" \"$f.call\"\n");
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QList<QStringList> StandIn::calls(const QString& hostPath) {
    const QFileInfo program(hostPath);
    QList<QStringList> out;
    const QDir folder = program.absoluteDir();
    for (const QString& name :
         folder.entryList({program.fileName() + QStringLiteral(".*.call")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            out << QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    return out;
}

QList<QStringList> StandIn::waitForCalls(const QString& hostPath, int count) {
    while (calls(hostPath).size() < count)
        QTest::qWait(20);
    return calls(hostPath);
}
