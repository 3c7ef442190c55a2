#pragma once

#include "centreddialog.h"

class QLineEdit;
class QPushButton;

// Asks for the new file type when a type is renamed through a folder and all its
// subfolders. Enter in the new type's box moves to "Omdøb", so a second Enter confirms.
class TextForm : public CentredDialog {
    Q_OBJECT

public:
    explicit TextForm(QWidget* parent = nullptr);

    void setFolder(const QString& folder);
    void setOldType(const QString& type);
    QString newType() const;
    // Empties the three boxes.
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_mappe = nullptr;
    QLineEdit* m_old = nullptr;
    QLineEdit* m_new = nullptr;
    QPushButton* m_ok = nullptr;
};
