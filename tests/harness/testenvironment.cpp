#include "testenvironment.h"

#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

TestEnvironment::TestEnvironment(const QString& extraDrives)
    : m_saved(QProcessEnvironment::systemEnvironment()) {
    QVERIFY2(m_dir.isValid(), "no temporary folder");

    const QString b = base();
    for (const char* sub : {"C", "D", "home", "data", "config", "cache", "runtime", "root"})
        QDir().mkpath(b + QLatin1Char('/') + QLatin1String(sub));
    QFile::setPermissions(b + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QString drives = QStringLiteral("C=%1/C;D=%1/D").arg(b);
    if (!extraDrives.isEmpty())
        drives += QLatin1Char(';') + extraDrives;
    qputenv("RAVNSTI_DRIVES", drives.toLocal8Bit());
    qputenv("RAVNSTI_ROOT", (b + QStringLiteral("/root")).toLocal8Bit());
    qputenv("HOME", home().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (b + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (b + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (b + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (b + QStringLiteral("/runtime")).toLocal8Bit());

    Platform::reset();
    auto prompter = std::make_unique<ScriptedPrompter>();
    m_prompter = prompter.get();
    Platform::setPrompter(std::move(prompter));
    auto clock = std::make_unique<FakeClock>();
    m_clock = clock.get();
    Platform::setClock(std::move(clock));
    Platform::setMediaPlayers([this] {
        auto player = std::make_unique<FakeMediaPlayer>();
        m_players << player.get();
        return player;
    });
}

TestEnvironment::~TestEnvironment() {
    if (m_prompter && m_prompter->pending() > 0)
        QTest::qFail("the test queued message expectations or answers that were never used",
                     __FILE__, __LINE__);
    Platform::reset();
    // Every variable the environment or the test set goes back, and those added go.
    const QProcessEnvironment now = QProcessEnvironment::systemEnvironment();
    for (const QString& name : now.keys()) {
        if (!m_saved.contains(name))
            qunsetenv(name.toLocal8Bit().constData());
    }
    for (const QString& name : m_saved.keys()) {
        if (now.value(name) != m_saved.value(name) || !now.contains(name))
            qputenv(name.toLocal8Bit().constData(), m_saved.value(name).toLocal8Bit());
    }
}

QString TestEnvironment::driveFolder(QChar letter) const {
    return base() + QLatin1Char('/') + letter.toUpper();
}

QString TestEnvironment::host(const QString& logical) const {
    const auto h = Platform::hostPath(logical);
    if (!h) {
        QTest::qFail(qPrintable(QStringLiteral("no host path for ") + logical), __FILE__, __LINE__);
        return {};
    }
    return *h;
}

void TestEnvironment::writeFile(const QString& logical, const QByteArray& bytes) const {
    const QString path = host(logical);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write ") + path), __FILE__, __LINE__);
}

QByteArray TestEnvironment::readFile(const QString& logical) const {
    QFile f(host(logical));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestEnvironment::makeFolder(const QString& logical) const {
    QDir().mkpath(host(logical));
}
