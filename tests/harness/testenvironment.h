#pragma once

#include "fakeclock.h"
#include "fakemediaplayer.h"
#include "scriptedprompter.h"

#include <QApplication>
#include <QByteArray>
#include <QPointer>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

// Everything a test may touch, inside one temporary folder: drives C: and D: (and any
// further ones the test names), the data root, HOME, XDG_DATA_HOME and XDG_CONFIG_HOME.
// The platform services are made anew for it, with a scripted prompter, a fake clock and
// players that make no sound.
// Make one per test function; its destructor restores every environment variable.
class TestEnvironment {
public:
    // `extraDrives` is added to the drive table as written, e.g. "E=/some/dir|removable".
    explicit TestEnvironment(const QString& extraDrives = {});
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    // The temporary folder that holds everything.
    QString base() const { return m_dir.path(); }
    // Host folder of a drive letter made by the environment (C or D).
    QString driveFolder(QChar letter) const;
    // Host path of a logical path, through the drive table (fails the test if unmappable).
    QString host(const QString& logical) const;
    QString home() const { return base() + QStringLiteral("/home"); }

    // Writes a file (making its folders) by logical path; reads one back.
    void writeFile(const QString& logical, const QByteArray& bytes) const;
    QByteArray readFile(const QString& logical) const;
    void makeFolder(const QString& logical) const;

    ScriptedPrompter& prompter() { return *m_prompter; }
    FakeClock& clock() { return *m_clock; }
    // The players made since the environment was, oldest first (null once deleted).
    const QList<QPointer<FakeMediaPlayer>>& mediaPlayers() const { return m_players; }

private:
    QProcessEnvironment m_saved; // the variables as they were before
    QTemporaryDir m_dir;
    ScriptedPrompter* m_prompter = nullptr;
    FakeClock* m_clock = nullptr;
    QList<QPointer<FakeMediaPlayer>> m_players;
};

// main() for a test suite: the offscreen platform, a full QApplication, the suite.
#define RAVNSTI_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char** argv) {                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QApplication app(argc, argv);                                                              \
        TestClass suite;                                                                           \
        return QTest::qExec(&suite, argc, argv);                                                   \
    }
