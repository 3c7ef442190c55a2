#include "posixuseraccount.h"

#include <pwd.h>
#include <unistd.h>
#include <vector>

std::optional<QString> PosixUserAccount::loginName() const {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    const QString env = qEnvironmentVariable("USER");
    if (!env.isNull())
        return env;
    return std::nullopt;
}
