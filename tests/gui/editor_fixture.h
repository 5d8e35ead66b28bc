// editor_fixture.h -- a level editor window on the offscreen screen, its boxes answered by script.
#pragma once

#include "tests/gui/gui_support.h"

#include <QListWidget>
#include <QStatusBar>

#include "tools/editor/editor_window.h"
#include "tools/editor/level_canvas.h"

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toUtf8());
        modal_.SetHook([this](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            seen_.push_back(box != nullptr ? box->text() : dialog.windowTitle());
            if (answers_.empty()) return int(QMessageBox::Ok);
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
        window_ = std::make_unique<editor::EditorWindow>(modal_);
        window_->resize(1200, 900);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    QString Path(const char* name) const { return home_.filePath(QString::fromUtf8(name)); }

    void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // What the editor writes when saved now.
    std::string Saved() {
        const QString path = Path("saved.txt");
        EXPECT_TRUE(window_->SaveTo(path));
        return Read(path).toStdString();
    }

    editor::LevelCanvas& Canvas() { return window_->Canvas(); }

    // The viewport point of a level point.
    QPoint At(int x, int y) { return Canvas().ViewPointOf({x, y}); }

    QTemporaryDir home_;
    ModalRunner modal_;
    std::deque<int> answers_;
    std::vector<QString> seen_;
    std::unique_ptr<editor::EditorWindow> window_;
};
