#include "formprompter.h"
#include "spmform.h"

bool FormPrompter::question(const QString& text) {
    return m_spmForm().ask(text.split(QLatin1Char('\n')));
}
