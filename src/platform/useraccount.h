#pragma once

#include <QString>
#include <optional>

class UserAccount {
public:
    virtual ~UserAccount() = default;
    // The logged-on user's name; nullopt when it cannot be read.
    virtual std::optional<QString> loginName() const = 0;
};
