// lone_view.h -- a game view on its own, drawn by ticks the test runs by
// hand: no level, no timer, every modal window answered with OK.
#pragma once

#include "tests/gui/gui_support.h"

class LoneViewTest : public ::testing::Test {
protected:
    // Makes the view of a world that runs no game; set the world up first.
    void MakeView() {
        world_.gameRunning = 0;
        world_.newGameRequested = 0;
        modal_.SetHook([](QDialog&) { return int(QMessageBox::Ok); });
        view_ = std::make_unique<CZarnokView>(world_, modal_);
    }

    // Shows the view at `size` logical pixels and waits until it is exposed.
    void Show(QSize size) {
        view_->resize(size);
        view_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }

    QImage Shown() { return view_->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    GameWorld world_;
    ModalRunner modal_;
    std::unique_ptr<CZarnokView> view_;
};
