// controls_dlg.h -- rebinding the six keys: the controls dialog, where the
// player picks an action, and the key-capture dialog that takes the next
// key released for it.
#pragma once

#include <QDialog>

#include <array>
#include <optional>

struct GameWorld;
class QPushButton;

// One instance lives for the whole process and is shown again and again.
// A button closes the dialog (result 0) after choosing the action; the
// caller then runs the capture and shows this dialog once more.
class CControlsDlg : public QDialog {
    Q_OBJECT
public:
    // Button ids of the dialog, and the actions they select.
    enum ButtonId { IdOk = 1, IdLeft = 3, IdRight, IdUp, IdDown, IdJump, IdFire };  // 3..8

    explicit CControlsDlg(GameWorld& world, QWidget* parent = nullptr);

    QPushButton* Button(int id) const;

    // True once after an action button closed the dialog: a key is wanted.
    bool TakeCaptureRequest();

    // Whether the hint line is on show (only after "Влево" until shown again).
    bool HintVisible() const { return hintVisible_; }

    // Shown again, the dialog comes back where it was last.
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void OnActionButton(int id);

    GameWorld& world_;
    std::array<QPushButton*, 9> buttons_{};  // by id; unused ids stay null
    bool captureRequested_ = false;
    bool hintVisible_ = false;
    std::optional<QPoint> lastPlace_;  // client area's top-left when last hidden, px
};

// Made anew for every capture. Its result is always 0.
class CPressKeyDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPressKeyDlg(GameWorld& world, QWidget* parent = nullptr);

    // Whether a key was stored before the dialog closed.
    bool Stored() const { return stored_; }
    int32_t StoredKey() const { return storedKey_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    GameWorld& world_;
    bool stored_ = false;
    int32_t storedKey_ = 0;  // virtual-key code, once stored
};
