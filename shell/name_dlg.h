// name_dlg.h -- the new record holder writes a name of at most 20 characters,
// all of which the record file's single-byte Cyrillic can hold.
#pragma once

#include <QDialog>
#include <QValidator>

class QLabel;
class QLineEdit;
class QPushButton;

// Refuses any text with a character that Windows-1251 cannot store.
class Cp1251Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

class CNameDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxNameLength = 20;  // characters, one byte each in the file

    explicit CNameDlg(QWidget* parent = nullptr);

    // The name as confirmed by OK; empty until then.
    QString Name() const { return name_; }

    QLineEdit* Edit() const { return edit_; }
    QLabel* Label() const { return label_; }
    QPushButton* OkButton() const { return ok_; }

    void accept() override;

private:
    QString name_;
    QLabel* label_;
    QLineEdit* edit_;
    QPushButton* ok_;
};
