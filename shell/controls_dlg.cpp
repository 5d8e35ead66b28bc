// controls_dlg.cpp -- the controls dialog and the key-capture dialog.
#include "shell/controls_dlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "game/keys.h"
#include "game/world.h"
#include "shell/dialog_chrome.h"
#include "shell/dialog_units.h"
#include "shell/language.h"
#include "shell/shell_texts.h"
#include "shell/virtual_keys.h"

namespace {

struct ButtonLayout {
    int id;
    const char* text;
    int x, y, width, height;  // dialog units
};

// In tab order: OK first, as the player meets them.
constexpr ButtonLayout kButtons[] = {
    {CControlsDlg::IdOk, OkText, 205, 5, 50, 14},
    {CControlsDlg::IdLeft, LeftButtonText, 10, 5, 70, 14},
    {CControlsDlg::IdRight, RightButtonText, 10, 25, 70, 14},
    {CControlsDlg::IdUp, UpButtonText, 10, 45, 70, 14},
    {CControlsDlg::IdDown, DownButtonText, 10, 65, 70, 14},
    {CControlsDlg::IdJump, JumpButtonText, 120, 35, 70, 14},
    {CControlsDlg::IdFire, FireButtonText, 120, 55, 70, 14},
};

// Where the hint line goes, in client pixels.
constexpr int HintX = 10;
constexpr int HintY = 138;

}  // namespace

CControlsDlg::CControlsDlg(GameWorld& world, QWidget* parent) : QDialog(parent), world_(world) {
    setWindowTitle(ShellText(ControlsTitle));
    SetDialogChrome(*this, DialogChrome::CaptionAndClose);
    const DialogUnits du = SizeDialog(*this, 262, 86);

    for (const ButtonLayout& layout : kButtons) {
        auto* button = new QPushButton(ShellText(layout.text), this);
        button->setGeometry(du.ToPixels(layout.x, layout.y, layout.width, layout.height));
        button->setAutoDefault(true);
        buttons_[size_t(layout.id)] = button;
        if (layout.id == IdOk)
            connect(button, &QPushButton::clicked, this, [this] { done(IdOk); });
        else
            connect(button, &QPushButton::clicked, this,
                    [this, id = layout.id] { OnActionButton(id); });
    }
}

// The dialog lives as long as the game; another language reaches it here.
void CControlsDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    setWindowTitle(ShellText(ControlsTitle));
    for (const ButtonLayout& layout : kButtons) Button(layout.id)->setText(ShellText(layout.text));
}

QPushButton* CControlsDlg::Button(int id) const {
    return id >= 0 && size_t(id) < buttons_.size() ? buttons_[size_t(id)] : nullptr;
}

bool CControlsDlg::TakeCaptureRequest() {
    const bool requested = captureRequested_;
    captureRequested_ = false;
    return requested;
}

// The buttons' ids 3..8 select actions 0..5 in the capture's numbering:
// left, right, up, down, jump, fire.
void CControlsDlg::OnActionButton(int id) {
    if (id == IdLeft) {
        // Only "Влево" says what happens next; the line goes with the dialog.
        hintVisible_ = true;
        repaint();
    }
    world_.selectedAction = uint8_t(id - IdLeft);
    captureRequested_ = true;
    done(0);
}

// QDialog centres a dialog that was never moved on every show, guessing the
// frame's size where the window manager has not said it, so a dialog shown
// again and again wanders. Once placed it stays where it was, and where the
// player dragged it. The place kept is the client area's: the frame around
// it is the window manager's, and its size may still be unknown when the
// dialog goes (a capture picked at once) or comes back, so a frame position
// kept in one state and restored in the other would move the dialog by the
// caption's height.
void CControlsDlg::setVisible(bool visible) {
    if (visible && lastPlace_) setGeometry(QRect(*lastPlace_, size()));
    QDialog::setVisible(visible);
}

void CControlsDlg::hideEvent(QHideEvent* event) {
    lastPlace_ = geometry().topLeft();
    QDialog::hideEvent(event);
}

void CControlsDlg::showEvent(QShowEvent* event) {
    hintVisible_ = false;
    QDialog::showEvent(event);
}

void CControlsDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (!hintVisible_) return;
    QPainter painter(this);
    painter.setFont(QApplication::font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(HintX, HintY + metrics.ascent()), ShellText(ControlsHintText));
}

// ---------------------------------------------------------------------------

CPressKeyDlg::CPressKeyDlg(GameWorld& world, QWidget* parent) : QDialog(parent), world_(world) {
    setWindowTitle(ShellText(PressKeyTitle));
    // A caption, but no close box: only a key ends this dialog.
    SetDialogChrome(*this, DialogChrome::Caption);
    SizeDialog(*this, 192, 37);
    setFocusPolicy(Qt::StrongFocus);
}

void CPressKeyDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(QApplication::font());
    painter.setPen(palette().color(QPalette::WindowText));
    QRect area = rect();
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     ShellText(PressKeyFirstLine));
    area.setTop(20);
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     ShellText(PressKeySecondLine));
}

// Enter and Escape end the capture on their press and are never bound.
void CPressKeyDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: done(0); break;
    default:
        event->accept();  // the press itself does nothing
        break;
    }
}

void CPressKeyDlg::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->isAutoRepeat()) return;
    const int qtKey = event->key();
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter || qtKey == Qt::Key_Escape) return;
    const int32_t vk = VirtualKeyFromQt(qtKey, event->modifiers(), event->nativeScanCode(),
                                        PlatformHasXkbScanCodes());
    // System keys (Alt, F10) and keys without a code leave the dialog open.
    if (vk == 0 || IsSystemKey(vk, event->modifiers())) return;
    StoreCapturedKey(world_, vk);
    stored_ = true;
    storedKey_ = vk;
    done(0);
}

void CPressKeyDlg::closeEvent(QCloseEvent* event) { event->ignore(); }
