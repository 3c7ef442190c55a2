#pragma once

#include "centreddialog.h"

class QPlainTextEdit;

// The question box: the caller's lines beside a question picture, "Ja" and "Nej". Only
// "Ja" means yes; "Nej" and the title bar's close button mean no.
class TspmForm : public CentredDialog {
    Q_OBJECT

public:
    explicit TspmForm(QWidget* parent = nullptr);

    // Replaces the question with these lines.
    void setLines(const QStringList& lines);
    // Shows `lines` modally; true only for "Ja".
    bool ask(const QStringList& lines);

private:
    QPlainTextEdit* m_info = nullptr;
};
