#pragma once

#include "centreddialog.h"

class QLabel;
class QLineEdit;
class QListWidget;

// Confirms a copy, move or delete: source folder, the files and folders concerned side by
// side, the destination and the question, answered "Ja" or "Nej".
class Tkopieringsform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tkopieringsform(QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    void setSource(const QString& folder);
    void setDestination(const QString& folder);
    void setQuestion(const QString& question);
    // The 32-pixel picture of the kind of operation.
    void setIcon(const QIcon& icon);
    // Replaces both lists.
    void setLists(const QStringList& files, const QStringList& folders);
    // Back to the caption, question and empty fields it was created with.
    void clear();

private:
    QLineEdit* m_source = nullptr;
    QLineEdit* m_destination = nullptr;
    QListWidget* m_files = nullptr;
    QListWidget* m_folders = nullptr;
    QLabel* m_question = nullptr;
    QLabel* m_icon = nullptr;
};
