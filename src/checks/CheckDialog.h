#pragma once

#include "IdentifierChecks.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

// The shape shared by the identifier check windows: a title picture, an instruction, one edit and
// the buttons "Controlla" and "Chiudi". "Controlla" reports the result and closes the window, or,
// when the text cannot be judged as it stands, warns and leaves it open for correction.
class CheckDialog : public QDialog
{
    Q_OBJECT
public:
    // The trimmed value of the caller's field, kept whole: a value longer than the edit's maximum
    // is shown and checked as it is, and typing cannot lengthen it further.
    void setValue(const QString &value);
    QLineEdit *edit() const { return m_edit; }

protected:
    struct Texts
    {
        QString windowName; // the class name, also the objectName
        QString caption;
        QString title;
        QString instruction;
        QString editName;
        QString iconName;
    };
    CheckDialog(Identifier id, const Texts &texts, QWidget *parent);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void btnControllaClick();
    void editChange();
    void buildLayout(const Texts &texts);

    Identifier m_id;
    IdentifierChecks::EditRules m_rules;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_btnControlla = nullptr;
    QPushButton *m_btnChiudi = nullptr;
    bool m_normalising = false;
};
