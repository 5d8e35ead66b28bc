// name_dlg.cpp -- the record holder's name entry.
#include "shell/name_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

#include "game/text.h"
#include "shell/dialog_chrome.h"
#include "shell/dialog_units.h"
#include "shell/language.h"
#include "shell/shell_texts.h"

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
    std::string bytes;
    return Utf8ToCp1251(input.toStdString(), bytes) ? Acceptable : Invalid;
}

CNameDlg::CNameDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ShellText(NameTitle));
    SetDialogChrome(*this, DialogChrome::CaptionAndClose);
    const DialogUnits du = SizeDialog(*this, 187, 61);

    // The caption's own look: black on the classic grey of dialog faces.
    label_ = new QLabel(ShellText(NamePromptText), this);
    label_->setGeometry(du.ToPixels(10, 5, 115, 25));
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont labelFont = DialogFont();
    labelFont.setPointSizeF(8.25);
    label_->setFont(labelFont);
    QPalette labelColours = label_->palette();
    labelColours.setColor(QPalette::Window, QColor(212, 208, 200));
    labelColours.setColor(QPalette::WindowText, QColor(0, 0, 0));
    label_->setPalette(labelColours);
    label_->setAutoFillBackground(true);

    edit_ = new QLineEdit(this);
    edit_->setGeometry(du.ToPixels(5, 40, 175, 14));
    edit_->setMaxLength(MaxNameLength);
    edit_->setValidator(new Cp1251Validator(edit_));

    ok_ = new QPushButton(ShellText(OkText), this);
    ok_->setGeometry(du.ToPixels(129, 7, 50, 14));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CNameDlg::accept);

    // The tab order of the template: the name first, then OK.
    setTabOrder(edit_, ok_);
    edit_->setFocus();
}

void CNameDlg::accept() {
    name_ = edit_->text().left(MaxNameLength);
    QDialog::accept();
}
