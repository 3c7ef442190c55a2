#include "spmform.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>

TspmForm::TspmForm(QWidget* parent) : CentredDialog(parent) {
    setObjectName(QStringLiteral("spmForm"));
    setWindowTitle(QStringLiteral("Spørgsmål"));
    setMinimumSize(384, 188);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(programIcon(QStringLiteral("question")).pixmap(46, 52));
    picture->setFixedSize(46, 52);

    // Read-only and out of the Tab order: the keyboard stays on the two answers.
    m_info = new QPlainTextEdit(this);
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setReadOnly(true);
    m_info->setFocusPolicy(Qt::ClickFocus);
    m_info->setTabChangesFocus(true);
    m_info->setFrameShape(QFrame::NoFrame);
    m_info->viewport()->setAutoFillBackground(false);

    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(m_info, 1);

    QBoxLayout* buttons = jaNejButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(minimumSize());
}

void TspmForm::setLines(const QStringList& lines) {
    m_info->setPlainText(lines.join(QLatin1Char('\n')));
}

bool TspmForm::ask(const QStringList& lines) {
    setLines(lines);
    return exec() == Accepted;
}
