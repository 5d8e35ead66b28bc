// editor_edit_test.cpp -- the level editor driven by mouse and keys: edits, undo, limits, prompts.
#include "tests/gui/editor_fixture.h"

#include <QClipboard>
#include <QSpinBox>

#include "tools/editor/editor_texts.h"
#include "tools/level/level_check.h"

namespace {

const char Source[] =
    "# A small level\n"
    "\n"
    "start 60 410 right\n"
    "goal 600 360\n"
    "\n"
    "ledge 0 400\n"
    "ledge 120 400   # the second\n"
    "# The wall\n"
    "block 300 300\n";

class EditorEditTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        Write(Path("level.txt"), Source);
        ASSERT_TRUE(window_->OpenFile(Path("level.txt")));
    }

    void ClickPalette(int row) {
        QListWidget& list = window_->PaletteList();
        list.scrollToItem(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(list.item(row)).center());
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window_.get(), Qt::Key(key), modifiers);
    }
};

TEST_F(EditorEditTest, PlaceMoveUndoRedoDeleteAndPaste) {
    // A ledge from the palette, clicked at (207, 103): the grid puts it at (200, 100).
    ClickPalette(0);
    QTest::mouseClick(Canvas().viewport(), Qt::LeftButton, {}, At(207, 103));
    ClickPalette(0);  // back to selecting
    std::string text = std::string(Source) + "ledge 200 100\n";
    EXPECT_EQ(Saved(), text);
    EXPECT_EQ(Canvas().Selection().size(), 1u);

    // Keys move the selection 1 px, or 10 with Shift; both are one undo step.
    QTest::keyClick(&Canvas(), Qt::Key_Right);
    QTest::keyClick(&Canvas(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Saved(), std::string(Source) + "ledge 201 110\n");
    EXPECT_EQ(window_->Undo().count(), 2);

    // A drag of the block moves it by whole grid steps; its comments stay.
    const QPoint from = At(350, 350);
    QTest::mousePress(Canvas().viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Canvas().viewport(), from + QPoint(20, 0));
    QTest::mouseMove(Canvas().viewport(), from + QPoint(43, -18));
    QTest::mouseRelease(Canvas().viewport(), Qt::LeftButton, {}, from + QPoint(43, -18));
    std::string moved = Source;
    moved.replace(moved.find("block 300 300"), 13, "block 340 280");
    EXPECT_EQ(Saved(), moved + "ledge 201 110\n");

    // Undo twice: the drag, then the keys; redo the keys again.
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Saved(), std::string(Source) + "ledge 200 100\n");
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Saved(), std::string(Source) + "ledge 201 110\n");
    EXPECT_TRUE(window_->windowTitle().contains(QStringLiteral("[*]")));
    EXPECT_FALSE(window_->isWindowModified());  // just saved

    // Delete the block with its comment; copy and paste the second ledge,
    // its trailing comment left out, one grid step on.
    QTest::mouseClick(Canvas().viewport(), Qt::LeftButton, {}, At(310, 310));
    Key(Qt::Key_Delete);
    EXPECT_TRUE(window_->isWindowModified());
    QTest::mouseClick(Canvas().viewport(), Qt::LeftButton, {}, At(130, 410));
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Saved(),
              "# A small level\n\nstart 60 410 right\ngoal 600 360\n\nledge 0 400\n"
              "ledge 120 400   # the second\nledge 201 110\nledge 130 410\n");

    // Undo all the way gives the file back byte for byte.
    while (window_->Undo().canUndo()) window_->Undo().undo();
    EXPECT_EQ(Saved(), Source);
}

TEST_F(EditorEditTest, RubberBandAndSelectAllPickElements) {
    const QPoint from = At(-50, 350), to = At(250, 450);
    QTest::mousePress(Canvas().viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Canvas().viewport(), to);
    QTest::mouseRelease(Canvas().viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(Canvas().Selection().size(), 3u);  // two ledges and the start
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Canvas().Selection().size(), window_->Document().Elements().size());
    // The start and the goal cannot go: deleting everything is refused.
    Key(Qt::Key_Delete);
    EXPECT_TRUE(window_->StatusText().contains(QStringLiteral("start")) ||
                window_->StatusText().contains(QStringLiteral("goal")))
        << window_->StatusText().toStdString();
    EXPECT_EQ(Saved(), Source);
}

TEST_F(EditorEditTest, PlacingBeyondATableIsRefusedWithTheReason) {
    std::string full = "start 60 410 right\ngoal 600 360\nledge 0 400\n";
    for (int i = 0; i < 30; ++i) full += "nest 1 " + std::to_string(i * 60) + " 100\n";
    Write(Path("full.txt"), QByteArray::fromStdString(full));
    ASSERT_TRUE(window_->OpenFile(Path("full.txt")));
    editor::ElementValues nest{editor::Group::Nest, 1, 0, 100, 600};
    EXPECT_FALSE(window_->PlaceAt(nest));
    EXPECT_TRUE(window_->StatusText().contains(QStringLiteral("30"))) << window_->StatusText().toStdString();
    EXPECT_FALSE(window_->Undo().canUndo());
    EXPECT_EQ(Saved(), full);
    // A ledge still fits.
    EXPECT_TRUE(window_->PlaceAt({editor::Group::Platform, 1, 0, 100, 600}));
}

TEST_F(EditorEditTest, UnsavedWorkIsAskedAboutBeforeItGoes) {
    window_->PlaceAt({editor::Group::Pickup, 4, 0, 200, 380});
    ASSERT_TRUE(window_->isWindowModified());
    answers_ = {QMessageBox::Cancel};
    EXPECT_FALSE(window_->close());
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0], QCoreApplication::translate("EditorTexts", UnsavedText));
    EXPECT_TRUE(window_->isVisible());
    // Opening another file asks too; Discard lets it go.
    answers_ = {QMessageBox::Discard};
    EXPECT_TRUE(window_->MaybeSave());
    EXPECT_EQ(seen_.size(), 2u);
    answers_ = {QMessageBox::Save};
    EXPECT_TRUE(window_->close());
    EXPECT_EQ(Read(Path("level.txt")).toStdString(), std::string(Source) + "coin 200 380\n");
}

TEST_F(EditorEditTest, RecoveryCopyIsOfferedAfterACrash) {
    window_->PlaceAt({editor::Group::Pickup, 1, 0, 200, 380});
    window_->WriteRecovery();  // what the minute's timer does
    window_.reset();           // gone without closing, as in a crash
    window_ = std::make_unique<editor::EditorWindow>(modal_);
    answers_ = {QMessageBox::Yes};
    ASSERT_TRUE(window_->OfferRecovery());
    EXPECT_EQ(seen_.back(), QCoreApplication::translate("EditorTexts", RecoveryText));
    EXPECT_EQ(window_->Document().Text(), std::string(Source) + "circuit 200 380\n");
    EXPECT_EQ(window_->FilePath(), Path("level.txt"));
    EXPECT_TRUE(window_->isWindowModified());
    // Saved: the copy is gone and nothing is offered next time.
    ASSERT_TRUE(window_->Save());
    EXPECT_FALSE(QFile::exists(editor::EditorWindow::RecoveryPath()));
    EXPECT_FALSE(window_->OfferRecovery());
}

TEST_F(EditorEditTest, FailedSaveLeavesTheOldFileAsItWas) {
    // No temporary file can be made beside a name this long.
    const QString longName = Path(std::string(250, 'x').c_str());
    Write(longName, Source);
    ASSERT_TRUE(window_->OpenFile(longName));
    window_->PlaceAt({editor::Group::Pickup, 2, 0, 200, 380});
    EXPECT_FALSE(window_->Save());
    EXPECT_EQ(Read(longName), QByteArray(Source));
    ASSERT_FALSE(seen_.empty());
    EXPECT_TRUE(seen_.back().contains(longName));
    EXPECT_TRUE(window_->isWindowModified());

    // A folder the editor may not write to, where the user is held to it.
    QDir(home_.path()).mkdir(QStringLiteral("locked"));
    const QString locked = Path("locked/level.txt");
    Write(locked, Source);
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    if (QFile probe(Path("locked/probe")); probe.open(QIODevice::WriteOnly)) {
        probe.remove();  // root writes anywhere: the long name has shown it
    } else {
        EXPECT_FALSE(window_->SaveTo(locked));
        EXPECT_EQ(Read(locked), QByteArray(Source));
    }
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // Not a level: refused in words, the document kept.
    Write(Path("bad.txt"), "ledge 1 2\n");
    EXPECT_FALSE(window_->OpenFile(Path("bad.txt")));
    EXPECT_TRUE(window_->Document().Text().find("crystal 200 380") != std::string::npos);
}

}  // namespace

namespace {

TEST(EditorDocumentTest, EditedLinesKeepTheirSlotCommentAndLineEnd) {
    const std::string text =
        "start 0 410 left\r\ngoal 50 360\r\n# mine\r\n@17 ledge 100 200   # c\r\n\r\n"
        "# nobody's\r\n\r\n# the nest's\r\nnest 5 0 0\r\n";
    editor::LevelDocument doc;
    std::vector<levelsource::Diagnostic> errors;
    ASSERT_TRUE(doc.Load(text, errors));
    ASSERT_EQ(doc.Text(), text);
    const editor::Placed ledge = doc.Elements()[2];
    ASSERT_EQ(ledge.slot, 17);
    std::string reason;
    editor::ElementValues moved = ledge.values;
    moved.x += 10;
    ASSERT_TRUE(doc.Replace(doc.WithValues({{ledge.id, moved}}), reason));
    EXPECT_EQ(doc.Record().platforms[17].x, 110);
    const uint64_t nest = doc.Elements()[3].id;
    ASSERT_TRUE(doc.Replace(doc.Without({ledge.id, nest}), reason));
    EXPECT_EQ(doc.Text(), "start 0 410 left\r\ngoal 50 360\r\n\r\n# nobody's\r\n\r\n");
    EXPECT_FALSE(doc.Replace(doc.WithValues({{doc.Elements()[0].id,
                                               {editor::Group::Nest, 300, 0, 0, 0}}}),
                             reason));
    EXPECT_FALSE(reason.empty());
}

TEST_F(EditorEditTest, ClickingAFindingSelectsItsElement) {
    ASSERT_TRUE(window_->PlaceAt({editor::Group::Nest, 1, 0, 200, 360}));
    const uint64_t nest = *Canvas().Selection().begin();
    editor::ElementValues emptied = window_->Document().Find(nest)->values;
    emptied.kind = 0;  // a timer of 0 is an empty slot
    ASSERT_TRUE(window_->SetValues(nest, emptied));
    Canvas().SetSelection({});
    QListWidget& findings = window_->Findings();
    QListWidgetItem* found = nullptr;
    for (int i = 0; i < findings.count(); ++i)
        if (findings.item(i)->text().contains(QStringLiteral("nest"))) found = findings.item(i);
    ASSERT_NE(found, nullptr);
    QTest::mouseClick(findings.viewport(), Qt::LeftButton, {}, findings.visualItemRect(found).center());
    EXPECT_EQ(Canvas().Selection(), std::set<uint64_t>{nest});
    // Saving is allowed, and says how many findings there are.
    ASSERT_TRUE(window_->Save());
    EXPECT_TRUE(window_->StatusText().contains(QString::number(
        levelsource::CheckLevel(window_->Document().Record(), &window_->Document().Lines()).size())));
}

}  // namespace

namespace {

TEST_F(EditorEditTest, PropertyPanelEditsTheLineAndRefusesWhatIsNoLevel) {
    QTest::mouseClick(Canvas().viewport(), Qt::LeftButton, {}, At(310, 310));
    auto* x = window_->findChild<QSpinBox*>(QStringLiteral("x"));
    ASSERT_NE(x, nullptr);
    ASSERT_EQ(x->value(), 300);
    x->setValue(320);
    std::string moved = Source;
    moved.replace(moved.find("block 300 300"), 13, "block 320 300");
    EXPECT_EQ(window_->Document().Text(), moved);
    // A kind byte past 255 makes no level: refused, the panel shows the old one.
    auto* kind = window_->findChild<QSpinBox*>(QStringLiteral("number"));
    kind->setValue(300);
    EXPECT_EQ(kind->value(), 2);
    EXPECT_EQ(window_->Document().Text(), moved);
    EXPECT_FALSE(window_->StatusText().isEmpty());
}

TEST_F(EditorEditTest, FilesThatAreNoLevelAreRefusedInWords) {
    Write(Path("short.dat"), QByteArray(100, '\0'));
    EXPECT_FALSE(window_->OpenFile(Path("short.dat"), 1));
    EXPECT_FALSE(window_->OpenFile(home_.path()));  // a folder
    EXPECT_FALSE(window_->OpenFile(Path("missing.txt")));
    ASSERT_EQ(seen_.size(), 3u);
    EXPECT_TRUE(seen_[0].contains(QStringLiteral("31164")));
    EXPECT_EQ(window_->Document().Text(), Source);
    EXPECT_EQ(window_->FilePath(), Path("level.txt"));
}

TEST_F(EditorEditTest, PastingPastATableIsRefused) {
    std::string nearlyFull = "start 60 410 right\ngoal 600 360\nledge 0 400\n";
    for (int i = 0; i < 29; ++i) nearlyFull += "nest 1 " + std::to_string(i * 60) + " 100\n";
    Write(Path("nests.txt"), QByteArray::fromStdString(nearlyFull));
    ASSERT_TRUE(window_->OpenFile(Path("nests.txt")));
    QApplication::clipboard()->setText(QStringLiteral("nest 1 0 0\nnest 1 60 0\n"));
    EXPECT_FALSE(window_->Paste());
    EXPECT_EQ(window_->Document().Text(), nearlyFull);
    QApplication::clipboard()->setText(QStringLiteral("# one more\nnest 1 0 0\n"));
    ASSERT_TRUE(window_->Paste());
    EXPECT_EQ(window_->Document().Text(), nearlyFull + "# one more\nnest 1 10 10\n");
}

}  // namespace

namespace {

TEST_F(EditorEditTest, ElementsAtTheEdgeOfTheNumbersAreDrawnAndMoved) {
    const char edge[] =
        "start -2147483648 2147483647 7\ngoal 2147483647 -2147483648\n"
        "ledge 2147483647 2147483647\nmosquito 1 0 -2147483648 0\nplatform 0 0 2147483647\n";
    Write(Path("edge.txt"), edge);
    ASSERT_TRUE(window_->OpenFile(Path("edge.txt")));
    Canvas().viewport()->grab();
    Canvas().SetZoomPercent(25);
    Canvas().viewport()->grab();
    window_->SelectAll();
    QTest::keyClick(&Canvas(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(window_->Document().Record().goalX, -2147483639);  // wrapped, as the game adds
    EXPECT_EQ(window_->Document().Record().platforms[0].x, -2147483639);
}

}  // namespace
