#include "kopieringsform.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>

namespace {

QLineEdit* readOnlyBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    return box;
}

// A list under its label, as one pane of the splitter.
QListWidget* listPane(const QString& name, const QString& label, QSplitter* splitter) {
    auto* pane = new QWidget(splitter);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new QListWidget(pane);
    list->setObjectName(name);
    layout->addWidget(new QLabel(label, pane));
    layout->addWidget(list, 1);
    splitter->addWidget(pane);
    return list;
}

} // namespace

Tkopieringsform::Tkopieringsform(QWidget* parent)
    : CentredDialog(parent, Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("kopieringsform"));
    setMinimumWidth(415);

    m_source = readOnlyBox(QStringLiteral("Editsource"), this);
    m_destination = readOnlyBox(QStringLiteral("EditDest"), this);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    m_files = listPane(QStringLiteral("filBox"), QStringLiteral("Filer:"), splitter);
    m_folders = listPane(QStringLiteral("mappeBox"), QStringLiteral("Mapper:"), splitter);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("Image1"));
    m_icon->setFixedSize(32, 32);
    auto* questionPicture = new QLabel(this);
    questionPicture->setObjectName(QStringLiteral("ImageSpm"));
    questionPicture->setPixmap(programIcon(QStringLiteral("question")).pixmap(32, 36));
    m_question = new QLabel(this);
    m_question->setObjectName(QStringLiteral("LabelSpm"));
    m_question->setTextFormat(Qt::PlainText);
    m_question->setWordWrap(true);

    auto* question = new QHBoxLayout;
    question->addWidget(m_icon);
    question->addWidget(questionPicture);
    question->addWidget(m_question, 1);

    QBoxLayout* buttons = jaNejButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Kildemappe:"), this));
    layout->addWidget(m_source);
    layout->addWidget(splitter, 1);
    layout->addWidget(new QLabel(QStringLiteral("Destignationsmappe:"), this));
    layout->addWidget(m_destination);
    layout->addLayout(question);
    layout->addLayout(buttons);
    resize(460, 380);
    clear();
}

void Tkopieringsform::setSource(const QString& folder) {
    m_source->setText(folder);
}

void Tkopieringsform::setDestination(const QString& folder) {
    m_destination->setText(folder);
}

void Tkopieringsform::setQuestion(const QString& question) {
    m_question->setText(question);
}

void Tkopieringsform::setIcon(const QIcon& icon) {
    m_icon->setPixmap(icon.pixmap(32, 32));
}

void Tkopieringsform::setLists(const QStringList& files, const QStringList& folders) {
    m_files->clear();
    m_files->addItems(files);
    m_folders->clear();
    m_folders->addItems(folders);
}

void Tkopieringsform::clear() {
    setCaption(QStringLiteral("Kopiering/Flytning/Sletning"));
    setQuestion(QStringLiteral("Skal angivne elementer kopieres?"));
    m_icon->clear();
    m_source->clear();
    m_destination->clear();
    setLists({}, {});
}
