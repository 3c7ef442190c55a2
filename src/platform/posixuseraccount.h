#pragma once

#include "useraccount.h"

// The name of the account the process runs as (the password database, then $USER).
class PosixUserAccount : public UserAccount {
public:
    std::optional<QString> loginName() const override;
};
