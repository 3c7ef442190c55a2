#pragma once

#include "platform/messageboxprompter.h"

class TspmForm;

// Messages as plain boxes, questions in the program's own question box.
class FormPrompter : public MessageBoxPrompter {
public:
    explicit FormPrompter(TspmForm& spmForm) : m_spmForm(spmForm) {}

    bool question(const QString& text) override;

private:
    TspmForm& m_spmForm;
};
