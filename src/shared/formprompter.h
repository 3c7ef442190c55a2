#pragma once

#include "platform/messageboxprompter.h"

#include <functional>

class TspmForm;

// Messages as plain boxes, questions in the program's own question box, which `spmForm`
// hands over when the first question comes.
class FormPrompter : public MessageBoxPrompter {
public:
    explicit FormPrompter(std::function<TspmForm&()> spmForm) : m_spmForm(std::move(spmForm)) {}

    bool question(const QString& text) override;

private:
    std::function<TspmForm&()> m_spmForm;
};
