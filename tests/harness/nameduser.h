#pragma once

#include "platform/useraccount.h"

#include <optional>

class TestEnvironment;

// A login name chosen by the test; nullopt is a user whose name cannot be read.
class NamedUser : public UserAccount {
public:
    explicit NamedUser(std::optional<QString> name) : m_name(std::move(name)) {}
    std::optional<QString> loginName() const override { return m_name; }

    // The main window's data root "C:\Ravnsti" on the test's drive C:, and the user.
    static void useDataRoot(TestEnvironment& env,
                            std::optional<QString> user = QStringLiteral("anna"));

private:
    std::optional<QString> m_name;
};
