#include "nameduser.h"
#include "testenvironment.h"

#include "platform/platform.h"

void NamedUser::useDataRoot(TestEnvironment& env, std::optional<QString> user) {
    qputenv("RAVNSTI_ROOT", (env.driveFolder('C') + QStringLiteral("/Ravnsti")).toLocal8Bit());
    Platform::setUser(std::make_unique<NamedUser>(std::move(user)));
}
