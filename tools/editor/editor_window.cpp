// editor_window.cpp -- menus, docks, the undo stack, files, recovery and test games.
#include "tools/editor/editor_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoView>

#include <climits>
#include <cstdlib>

#include "render/numeric.h"
#include "shell/game_folder.h"
#include "shell/modal.h"
#include "shell/shipped_data.h"
#include "tools/common/input_file.h"
#include "tools/editor/editor_texts.h"
#include "tools/editor/element_kinds.h"
#include "tools/editor/level_canvas.h"
#include "tools/editor/test_play.h"
#include "tools/level/level_check.h"

namespace editor {

using levelsource::DataFile;
using levelsource::Table;

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("EditorTexts", text); }
// A menu text as a dialog's caption: no mnemonic, no dots.
QString Caption(const char* text) {
    QString caption = Tr(text).remove(QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char('.'))) caption.chop(1);
    return caption;
}
// A source saved under a bare name gets the sources' ending.
QString WithTxt(QString path) {
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".txt");
    return path;
}

constexpr int NudgeMerge = 1;  // arrow-key moves of one selection are one step

// One change of the level: the entries before and after it, and the
// selection that goes with each.
class EditCommand : public QUndoCommand {
public:
    EditCommand(EditorWindow& window, const QString& text, std::vector<Entry> before,
                std::vector<Entry> after, std::set<uint64_t> selectionBefore,
                std::set<uint64_t> selectionAfter, int mergeId)
        : QUndoCommand(text), window_(window), before_(std::move(before)),
          after_(std::move(after)), selectionBefore_(std::move(selectionBefore)),
          selectionAfter_(std::move(selectionAfter)), mergeId_(mergeId) {}

    void undo() override { window_.Restore(before_, selectionBefore_); }
    void redo() override { window_.Restore(after_, selectionAfter_); }
    int id() const override { return mergeId_; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const EditCommand*>(other);
        if (next->selectionBefore_ != selectionAfter_) return false;
        after_ = next->after_;
        selectionAfter_ = next->selectionAfter_;
        return true;
    }

private:
    EditorWindow& window_;
    std::vector<Entry> before_, after_;
    std::set<uint64_t> selectionBefore_, selectionAfter_;
    int mergeId_;
};

const char* CountText(Table table) {
    switch (table) {
    case Table::Platforms: return PlatformsCount;
    case Table::Decorations: return DecorationsCount;
    case Table::Pickups: return PickupsCount;
    case Table::Nests: return NestsCount;
    case Table::Mosquitoes: return MosquitoesCount;
    }
    return PlatformsCount;
}

QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// "level3.txt" was made for the third place.
int SlotFromName(const QString& path) {
    const QString base = QFileInfo(path).completeBaseName();
    if (base.size() == 6 && base.startsWith(QStringLiteral("level"))) {
        const int n = base.back().digitValue();
        if (n >= 1 && n <= LevelCount) return n;
    }
    return 1;
}

QString RecoveryOriginPath() { return EditorWindow::RecoveryPath() + QStringLiteral(".path"); }

}  // namespace

EditorWindow::EditorWindow(ModalRunner& modal, QWidget* parent)
    : QMainWindow(parent), modal_(modal) {
    stack_ = new QStackedWidget(this);
    canvas_ = new LevelCanvas(stack_);
    stack_->addWidget(canvas_);
    setCentralWidget(stack_);
    BuildActions();
    BuildDocks();
    zoomLabel_ = new QLabel(this);
    statusBar()->addPermanentWidget(zoomLabel_);
    connect(canvas_, &LevelCanvas::ZoomChanged, this,
            [this](int percent) { zoomLabel_->setText(Tr(ZoomStatusText).arg(percent)); });
    zoomLabel_->setText(Tr(ZoomStatusText).arg(canvas_->ZoomPercent()));
    connect(canvas_, &LevelCanvas::SelectionChanged, this, &EditorWindow::UpdateProperties);
    connect(canvas_, &LevelCanvas::PlaceRequested, this, [this](QPoint at) {
        if (!armed_) return;
        ElementValues v = Palette()[size_t(palette_->row(armed_))].values;
        v.x = at.x();
        v.y = at.y();
        PlaceAt(v);
    });
    connect(canvas_, &LevelCanvas::MoveRequested, this, &EditorWindow::MoveSelection);
    connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        UpdateTitle();
        if (clean) DropRecovery();  // undone back to what the file holds
    });
    connect(&recoveryTimer_, &QTimer::timeout, this, [this] {
        if (!undo_.isClean()) WriteRecovery();
    });
    recoveryTimer_.start(RecoveryPeriodMs);
    resize(1200, 800);
    NewLevel();
}

// The stack's last cleanChanged, on its way out, is no undo to the saved state.
EditorWindow::~EditorWindow() { disconnect(&undo_, nullptr, this, nullptr); }

// ---------------------------------------------------------------------------
// Menus, tool bar, docks
// ---------------------------------------------------------------------------
void EditorWindow::BuildActions() {
    auto add = [this](QMenu* menu, const char* text, QKeySequence keys, auto slot,
                      bool editing = true) {
        QAction* action = menu->addAction(Tr(text));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        if (editing) editing_.push_back(action);
        return action;
    };
    QMenu* file = menuBar()->addMenu(Tr(FileMenuText));
    add(file, NewText, QKeySequence::New, [this] {
        if (MaybeSave()) NewLevel();
    });
    add(file, OpenText, QKeySequence::Open, [this] {
        if (!MaybeSave()) return;
        const QString path = QFileDialog::getOpenFileName(this, Caption(OpenText), QFileInfo(path_).path(),
                                                          Tr(SourceFilterText));
        if (!path.isEmpty()) OpenFile(path);
    });
    add(file, SaveText, QKeySequence::Save, [this] { Save(); });
    add(file, SaveAsText, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] {
        const QString path = WithTxt(QFileDialog::getSaveFileName(this, Caption(SaveAsText), path_,
                                                                  Tr(SaveFilterText)));
        if (!path.isEmpty()) SaveTo(path);
    });
    file->addSeparator();
    add(file, ExportText, QKeySequence(Qt::CTRL | Qt::Key_E), [this] {
        const int slot = AskSlot(slot_);
        if (slot == 0) return;
        const QString path = QFileDialog::getSaveFileName(
            this, Caption(ExportText), QFileInfo(path_).dir().filePath(QStringLiteral("Data.dat")),
            Tr(DataFilterText));
        if (!path.isEmpty()) ExportTo(path, slot);
    });
    add(file, InstallText, QKeySequence(), [this] {
        InstallInto(ToQ(PlayerGameFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")).string()));
    });
    file->addSeparator();
    add(file, QuitText, QKeySequence::Quit, [this] { close(); }, false);

    QMenu* edit = menuBar()->addMenu(Tr(EditMenuText));
    QAction* undo = undo_.createUndoAction(this, Tr(UndoText));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_.createRedoAction(this, Tr(RedoText));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undo);
    edit->addAction(redo);
    undoActions_ = {undo, redo};
    edit->addSeparator();
    add(edit, CutText, QKeySequence::Cut, [this] {
        CopySelection();
        DeleteSelection();
    });
    add(edit, CopyText, QKeySequence::Copy, [this] { CopySelection(); });
    add(edit, PasteText, QKeySequence::Paste, [this] { Paste(); });
    add(edit, DeleteText, QKeySequence::Delete, [this] { DeleteSelection(); });
    add(edit, SelectAllText, QKeySequence::SelectAll, [this] { SelectAll(); });

    QMenu* view = menuBar()->addMenu(Tr(ViewMenuText));
    QToolBar* tools = addToolBar(Tr(ViewMenuText));
    tools->setObjectName(QStringLiteral("view"));
    tools->addAction(add(view, ZoomInText, QKeySequence::ZoomIn, [this] { canvas_->ZoomIn(); }));
    tools->addAction(add(view, ZoomOutText, QKeySequence::ZoomOut, [this] { canvas_->ZoomOut(); }));
    tools->addAction(add(view, ActualSizeText, QKeySequence(Qt::CTRL | Qt::Key_0),
                         [this] { canvas_->SetZoomPercent(100); }));
    tools->addAction(add(view, FitText, QKeySequence(Qt::CTRL | Qt::Key_9), [this] { canvas_->Fit(); }));
    QAction* grid = add(view, GridText, QKeySequence(Qt::CTRL | Qt::Key_G), [this](bool on) {
        canvas_->SetGrid(on, gridSize_->value());
    });
    grid->setCheckable(true);
    grid->setChecked(canvas_->GridOn());
    tools->addSeparator();
    tools->addAction(grid);
    tools->addWidget(new QLabel(Tr(GridSizeText), tools));
    gridSize_ = new QSpinBox(tools);
    gridSize_->setRange(1, 200);
    gridSize_->setValue(canvas_->GridSize());
    connect(gridSize_, &QSpinBox::valueChanged, this,
            [this](int size) { canvas_->SetGrid(canvas_->GridOn(), size); });
    tools->addWidget(gridSize_);
    QAction* overlays = add(view, OverlaysText, QKeySequence(Qt::CTRL | Qt::Key_M),
                            [this](bool on) { canvas_->SetOverlays(on); });
    overlays->setCheckable(true);
    overlays->setChecked(canvas_->Overlays());
    tools->addAction(overlays);

    QMenu* play = menuBar()->addMenu(Tr(PlayMenuText));
    tools->addSeparator();
    tools->addAction(add(play, PlayText, QKeySequence(Qt::Key_F5), [this] { StartTestPlay({}); }));
    add(play, PlayHereText, QKeySequence(Qt::SHIFT | Qt::Key_F5), [this] {
        StartTestPlay(canvas_->MouseLevelPoint().value_or(canvas_->TopLeft()));
    });
}

void EditorWindow::BuildDocks() {
    auto dock = [this](const char* title, QWidget* content, Qt::DockWidgetArea area) {
        auto* d = new QDockWidget(Tr(title), this);
        d->setObjectName(QString::fromUtf8(title));
        d->setWidget(content);
        addDockWidget(area, d);
        return d;
    };
    palette_ = new QListWidget(this);
    palette_->setIconSize(QSize(48, 48));
    for (const PaletteItem& item : Palette()) {
        ElementValues shown = item.values;
        shown.x = 100;
        shown.y = 100;
        const QImage picture = ElementPicture(shown);
        const QString name = item.points > 0 ? Tr(PointsText).arg(Tr(item.name)).arg(item.points)
                                             : Tr(item.name);
        palette_->addItem(new QListWidgetItem(
            QIcon(QPixmap::fromImage(picture.scaled(48, 48, Qt::KeepAspectRatio))), name));
    }
    connect(palette_, &QListWidget::itemClicked, this, &EditorWindow::OnPaletteClicked);
    dock(PaletteTitle, palette_, Qt::LeftDockWidgetArea);

    properties_ = new QWidget(this);
    form_ = new QFormLayout(properties_);
    selectedKind_ = new QLabel(properties_);
    form_->addRow(Tr(KindLabel), selectedKind_);
    auto spin = [this](int low, int high) {
        auto* box = new QSpinBox(properties_);
        box->setRange(low, high);
        box->setKeyboardTracking(false);
        connect(box, &QSpinBox::valueChanged, this, &EditorWindow::PropertyEdited);
        return box;
    };
    xBox_ = spin(INT_MIN, INT_MAX);
    yBox_ = spin(INT_MIN, INT_MAX);
    numberBox_ = spin(INT_MIN, INT_MAX);
    dirBox_ = spin(INT_MIN, INT_MAX);
    xBox_->setObjectName(QStringLiteral("x"));
    yBox_->setObjectName(QStringLiteral("y"));
    numberBox_->setObjectName(QStringLiteral("number"));
    dirBox_->setObjectName(QStringLiteral("dir"));
    form_->addRow(QStringLiteral("x:"), xBox_);
    form_->addRow(QStringLiteral("y:"), yBox_);
    form_->addRow(Tr(KindByteLabel), numberBox_);
    form_->addRow(Tr(DirLabel), dirBox_);
    dock(PropertiesTitle, properties_, Qt::RightDockWidgetArea);

    counts_ = new QLabel(this);
    counts_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    dock(CountsTitle, counts_, Qt::RightDockWidgetArea);

    auto* history = new QUndoView(&undo_, this);
    dock(HistoryTitle, history, Qt::RightDockWidgetArea);

    findings_ = new QListWidget(this);
    connect(findings_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int line = item->data(Qt::UserRole).toInt();
        if (const std::optional<uint64_t> id = document_.AtLine(line)) canvas_->SetSelection({*id});
    });
    QDockWidget* checks = dock(ChecksTitle, findings_, Qt::BottomDockWidgetArea);
    resizeDocks({checks}, {110}, Qt::Vertical);
}

void EditorWindow::OnPaletteClicked(QListWidgetItem* item) {
    if (item == armed_) {
        armed_ = nullptr;
        palette_->clearSelection();
        canvas_->ArmPlacing(std::nullopt);
        return;
    }
    armed_ = item;
    canvas_->ArmPlacing(Palette()[size_t(palette_->row(item))].values);
}

// ---------------------------------------------------------------------------
// The document and its views
// ---------------------------------------------------------------------------
void EditorWindow::Restore(const std::vector<Entry>& entries, const std::set<uint64_t>& selection) {
    std::string reason;
    document_.Replace(entries, reason);  // every stored state was a level when it was made
    canvas_->SetLevel(document_);
    canvas_->SetSelection(selection);
    Changed();
}

void EditorWindow::Changed() {
    UpdateTitle();
    UpdateChecks();
    UpdateCounts();
    UpdateProperties();
}

void EditorWindow::UpdateTitle() {
    QString name = path_.isEmpty() ? Tr(UntitledText) : QFileInfo(path_).fileName();
    if (path_.isEmpty() && !dataOrigin_.isEmpty())
        name = QFileInfo(dataOrigin_).fileName() + QStringLiteral(": ") + Tr(LevelItemText).arg(slot_);
    setWindowTitle(name + QStringLiteral("[*] — ") + Tr(EditorTitle));
    setWindowModified(!undo_.isClean());
}

void EditorWindow::UpdateChecks() {
    findings_->clear();
    const std::vector<levelsource::Finding> found =
        levelsource::CheckLevel(document_.Record(), &document_.Lines());
    for (const levelsource::Finding& f : found) {
        QString text = ToQ(f.where) + QStringLiteral(": ") + ToQ(f.message);
        if (f.line > 0) text = QString::number(f.line) + QStringLiteral(": ") + text;
        auto* item = new QListWidgetItem(text, findings_);
        item->setData(Qt::UserRole, f.line);
    }
    if (found.empty()) findings_->addItem(Tr(NoFindingsText));
}

void EditorWindow::UpdateCounts() {
    QStringList lines;
    for (int t = 0; t < levelsource::TableCount; ++t) {
        const Table table = Table(t);
        lines << Tr(CountText(table)).arg(document_.Count(table)).arg(levelsource::TableCapacity(table));
    }
    counts_->setText(lines.join(QLatin1Char('\n')));
}

void EditorWindow::UpdateProperties() {
    showingProperties_ = true;
    const std::set<uint64_t>& chosen = canvas_->Selection();
    const Placed* p = chosen.size() == 1 ? document_.Find(*chosen.begin()) : nullptr;
    for (QSpinBox* box : {xBox_, yBox_, numberBox_, dirBox_}) box->setEnabled(p != nullptr);
    if (p == nullptr) {
        selectedKind_->setText(chosen.empty() ? Tr(NothingSelectedText)
                                              : Tr(ManySelectedText).arg(chosen.size()));
    } else {
        const ElementValues& v = p->values;
        selectedKind_->setText(ElementName(v));
        xBox_->setValue(v.x);
        yBox_->setValue(v.y);
        numberBox_->setValue(v.kind);
        dirBox_->setValue(v.dir);
        const char* numberName = v.group == Group::Nest       ? TimerLabel
                                 : v.group == Group::Mosquito ? AliveLabel
                                 : v.group == Group::Start    ? FacingLabel
                                                              : KindByteLabel;
        if (auto* label = qobject_cast<QLabel*>(form_->labelForField(numberBox_)))
            label->setText(Tr(numberName));
        numberBox_->setEnabled(v.group != Group::Goal);
        dirBox_->setEnabled(v.group == Group::Mosquito);
    }
    showingProperties_ = false;
}

void EditorWindow::PropertyEdited() {
    if (showingProperties_ || canvas_->Selection().size() != 1) return;
    const uint64_t id = *canvas_->Selection().begin();
    const Placed* p = document_.Find(id);
    if (p == nullptr) return;
    ElementValues v = p->values;
    v.x = xBox_->value();
    v.y = yBox_->value();
    if (v.group != Group::Goal) v.kind = numberBox_->value();
    if (v.group == Group::Mosquito) v.dir = dirBox_->value();
    if (!(v == p->values) && !SetValues(id, v)) UpdateProperties();
}

QString EditorWindow::StatusText() const { return statusBar()->currentMessage(); }

void EditorWindow::Tell(const QString& text) { statusBar()->showMessage(text); }

void EditorWindow::Refuse(const QString& reason) { Tell(Tr(RefusedText).arg(reason)); }

bool EditorWindow::Commit(const QString& what, std::vector<Entry> after,
                          std::set<uint64_t> selection, int mergeId) {
    LevelDocument trial = document_;
    std::string reason;
    if (!trial.Replace(after, reason)) {
        Refuse(ToQ(reason));
        return false;
    }
    undo_.push(new EditCommand(*this, what, document_.Entries(), std::move(after),
                               canvas_->Selection(), std::move(selection), mergeId));
    return true;
}

// ---------------------------------------------------------------------------
// Edits
// ---------------------------------------------------------------------------
bool EditorWindow::PlaceAt(const ElementValues& values) {
    if (values.group == Group::Start || values.group == Group::Goal) {
        for (const Placed& p : document_.Elements())
            if (p.values.group == values.group) {
                ElementValues v = p.values;
                v.x = values.x;
                v.y = values.y;
                return Commit(ElementName(v), document_.WithValues({{p.id, v}}), {p.id});
            }
        return false;
    }
    const Table table = *TableOf(values.group);
    const int capacity = levelsource::TableCapacity(table);
    if (document_.Count(table) >= capacity) {
        Tell(Tr(TableFullText).arg(capacity));
        return false;
    }
    std::vector<uint64_t> ids;
    std::vector<Entry> after = document_.WithAdded({{"", values}}, &ids);
    return Commit(ElementName(values), std::move(after), {ids.begin(), ids.end()});
}

bool EditorWindow::MoveSelection(QPoint delta) {
    std::vector<std::pair<uint64_t, ElementValues>> changes;
    for (uint64_t id : canvas_->Selection())
        if (const Placed* p = document_.Find(id)) {
            ElementValues v = p->values;
            v.x = AddWrap(v.x, delta.x());
            v.y = AddWrap(v.y, delta.y());
            changes.emplace_back(id, v);
        }
    if (changes.empty()) return false;
    const bool nudge = delta.manhattanLength() <= 10;
    return Commit(Tr(MoveText), document_.WithValues(changes),
                  canvas_->Selection(), nudge ? NudgeMerge : -1);
}

bool EditorWindow::DeleteSelection() {
    const std::vector<uint64_t> ids(canvas_->Selection().begin(), canvas_->Selection().end());
    if (ids.empty()) return false;
    return Commit(Caption(DeleteText), document_.Without(ids), {});
}

void EditorWindow::CopySelection() {
    const std::vector<uint64_t> ids(canvas_->Selection().begin(), canvas_->Selection().end());
    const std::string clip = document_.Clip(ids);
    if (!clip.empty()) QApplication::clipboard()->setText(ToQ(clip));
}

bool EditorWindow::Paste() {
    std::vector<std::pair<std::string, ElementValues>> added =
        LevelDocument::ReadClip(QApplication::clipboard()->text().toStdString());
    if (added.empty()) return false;
    // Beside the originals, one grid step or 10 px down and right.
    const int step = canvas_->GridOn() ? std::max(10, canvas_->GridSize()) : 10;
    int counts[levelsource::TableCount] = {};
    for (auto& [lead, v] : added) {
        v.x = AddWrap(v.x, step);
        v.y = AddWrap(v.y, step);
        ++counts[int(*TableOf(v.group))];
    }
    for (int t = 0; t < levelsource::TableCount; ++t) {
        const int capacity = levelsource::TableCapacity(Table(t));
        if (counts[t] > 0 && document_.Count(Table(t)) + counts[t] > capacity) {
            Tell(Tr(TableFullText).arg(capacity));
            return false;
        }
    }
    std::vector<uint64_t> ids;
    std::vector<Entry> after = document_.WithAdded(added, &ids);
    const bool done = Commit(Caption(PasteText), std::move(after),
                             {ids.begin(), ids.end()});
    // The next paste goes one step further on.
    if (done) CopySelection();
    return done;
}

bool EditorWindow::SetValues(uint64_t id, const ElementValues& values) {
    return Commit(ElementName(values), document_.WithValues({{id, values}}), canvas_->Selection());
}

void EditorWindow::SelectAll() {
    std::set<uint64_t> all;
    for (const Placed& p : document_.Elements()) all.insert(p.id);
    canvas_->SetSelection(std::move(all));
}

// ---------------------------------------------------------------------------
// Files
// ---------------------------------------------------------------------------
bool EditorWindow::MaybeSave() {
    if (undo_.isClean()) return true;
    QMessageBox box(QMessageBox::Warning, Tr(EditorTitle), Tr(UnsavedText),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    const int answer = modal_.Run(box);
    if (answer == QMessageBox::Save) return Save();
    if (answer != QMessageBox::Discard) return false;
    DropRecovery();
    return true;
}

void EditorWindow::Loaded(const QString& path, const QString& dataOrigin, int slot) {
    path_ = path;
    dataOrigin_ = dataOrigin;
    slot_ = slot;
    undo_.clear();
    canvas_->SetSelection({});
    canvas_->SetLevel(document_);
    canvas_->ScrollTo(canvas_->StartCamera());
    Changed();
}

void EditorWindow::NewLevel() {
    std::vector<levelsource::Diagnostic> errors;
    document_.Load("start 60 410 right\ngoal 400 360\nledge 0 400\nledge 120 400\nledge 240 400\n"
                   "ledge 360 400\n",
                   errors);
    Loaded({}, {}, 1);
}

bool EditorWindow::OpenFile(const QString& path, int slot) {
    std::string contents, error;
    auto refuse = [&](const QString& why) {
        const QString text = Tr(OpenFailedText).arg(path, why);
        Tell(text);
        QMessageBox box(QMessageBox::Warning, Tr(EditorTitle), text, QMessageBox::Ok, this);
        modal_.Run(box);
        return false;
    };
    if (!ReadInputFile(Local(path), contents, error)) return refuse(ToQ(error));
    if (path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) {
        DataFile file;
        const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(contents.data()),
                                             contents.size());
        if (!levelsource::DecodeDataFile(bytes, file))
            return refuse(Tr(ShortDataText).arg(contents.size()).arg(DataFileSize));
        if (slot == 0) slot = AskSlot(1);
        if (slot < 1 || slot > LevelCount) return false;
        std::vector<levelsource::Diagnostic> errors;
        document_.Load(levelsource::FormatLevel(file.levels[size_t(slot - 1)], slot), errors);
        Loaded({}, path, slot);
        return true;
    }
    LevelDocument opened;
    std::vector<levelsource::Diagnostic> errors;
    if (!opened.Load(contents, errors)) {
        const levelsource::Diagnostic first =
            errors.empty() ? levelsource::Diagnostic{} : errors.front();
        const QString where = first.line > 0 ? QString::number(first.line) + QStringLiteral(": ") : QString();
        const QString text = Tr(NotLevelText).arg(path, where + ToQ(first.message));
        Tell(text);
        QMessageBox box(QMessageBox::Warning, Tr(EditorTitle), text, QMessageBox::Ok, this);
        modal_.Run(box);
        return false;
    }
    document_ = std::move(opened);
    Loaded(path, {}, SlotFromName(path));
    return true;
}

bool EditorWindow::WriteSafely(const QString& path, const QByteArray& bytes) {
    // The new bytes go to a temporary file beside the target, which is
    // renamed over it only when all of them are on the disk. (QSaveFile
    // would rename a file whose last write or sync had failed.)
    const std::string problem =
        ReplaceFileWhole(Local(path), std::vector<uint8_t>(bytes.begin(), bytes.end()));
    if (problem.empty()) return true;
    const QString text = Tr(SaveFailedText).arg(path, ToQ(problem));
    Tell(text);
    QMessageBox box(QMessageBox::Warning, Tr(EditorTitle), text, QMessageBox::Ok, this);
    modal_.Run(box);
    return false;
}

bool EditorWindow::SaveTo(const QString& path) {
    const std::string text = document_.Text();
    // Only what the level compiler takes is written.
    levelsource::LevelRecord check;
    std::vector<levelsource::Diagnostic> errors;
    if (!levelsource::ParseLevel(text, Local(path), check, errors)) {
        Refuse(errors.empty() ? QString() : ToQ(errors.front().ToString()));
        return false;
    }
    if (!WriteSafely(path, QByteArray::fromStdString(text))) return false;
    path_ = path;
    undo_.setClean();
    DropRecovery();
    UpdateTitle();
    const auto found = levelsource::CheckLevel(document_.Record(), &document_.Lines()).size();
    Tell(found == 0 ? Tr(SavedText).arg(path) : Tr(SavedWithFindingsText).arg(path).arg(found));
    return true;
}

bool EditorWindow::Save() {
    if (!path_.isEmpty()) return SaveTo(path_);
    const QString path = WithTxt(QFileDialog::getSaveFileName(this, Caption(SaveAsText), QString(),
                                                              Tr(SaveFilterText)));
    return !path.isEmpty() && SaveTo(path);
}

int EditorWindow::AskSlot(int suggested) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(Tr(EditorTitle));
    dialog.setLabelText(Tr(dataOrigin_.isEmpty() && path_.isEmpty() ? PickLevelText : SlotText));
    QStringList items;
    for (int k = 1; k <= LevelCount; ++k) items << Tr(LevelItemText).arg(k);
    dialog.setComboBoxItems(items);
    dialog.setTextValue(items[std::clamp(suggested, 1, LevelCount) - 1]);
    if (modal_.Run(dialog) != QDialog::Accepted) return 0;
    return int(items.indexOf(dialog.textValue())) + 1;
}

bool EditorWindow::ExportTo(const QString& path, int slot, const QString& baseData) {
    const QString base = !baseData.isEmpty()      ? baseData
                         : !dataOrigin_.isEmpty() ? dataOrigin_
                                                  : ShippedDataFolder() + QStringLiteral("/Data.dat");
    std::string contents, error;
    DataFile file;
    if (!ReadInputFile(Local(base), contents, error) ||
        !levelsource::DecodeDataFile(std::span<const uint8_t>(
                                         reinterpret_cast<const uint8_t*>(contents.data()),
                                         contents.size()),
                                     file)) {
        const QString text = Tr(SaveFailedText).arg(path, Tr(NoBaseDataText));
        Tell(text);
        return false;
    }
    file.levels[size_t(std::clamp(slot, 1, LevelCount) - 1)] = document_.Record();
    const std::vector<uint8_t> bytes = levelsource::EncodeDataFile(file);
    if (!WriteSafely(path, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                      qsizetype(bytes.size()))))
        return false;
    slot_ = slot;
    Tell(Tr(ExportedText).arg(path));
    return true;
}

bool EditorWindow::InstallInto(const QString& folder) {
    QTemporaryDir scratch;
    const QString levels = scratch.filePath(QStringLiteral("Data.dat"));
    if (!scratch.isValid() || !ExportTo(levels, slot_)) return false;
    const FolderOutcome outcome = InstallLevels(Local(folder), Local(levels));
    if (outcome.update == FolderUpdate::Failed) {
        const QString text = Tr(InstallFailedText).arg(ToQ(outcome.problem));
        Tell(text);
        QMessageBox box(QMessageBox::Warning, Tr(EditorTitle), text, QMessageBox::Ok, this);
        modal_.Run(box);
        return false;
    }
    Tell(Tr(InstalledText).arg(folder));
    return true;
}

// ---------------------------------------------------------------------------
// Recovery
// ---------------------------------------------------------------------------
QString EditorWindow::RecoveryPath() {
    const std::filesystem::path folder =
        PlayerGameFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    return ToQ((folder / "editor-recovery.txt").string());
}

void EditorWindow::WriteRecovery() {
    QDir().mkpath(QFileInfo(RecoveryPath()).path());
    QSaveFile text(RecoveryPath());
    QSaveFile origin(RecoveryOriginPath());
    if (text.open(QIODevice::WriteOnly)) {
        text.write(QByteArray::fromStdString(document_.Text()));
        text.commit();
    }
    if (origin.open(QIODevice::WriteOnly)) {
        origin.write(path_.toUtf8());
        origin.commit();
    }
}

void EditorWindow::DropRecovery() {
    QFile::remove(RecoveryPath());
    QFile::remove(RecoveryOriginPath());
}

bool EditorWindow::OfferRecovery() {
    QFile text(RecoveryPath());
    if (!text.open(QIODevice::ReadOnly)) return false;
    const QByteArray saved = text.readAll();
    QFile origin(RecoveryOriginPath());
    const QString path = origin.open(QIODevice::ReadOnly) ? QString::fromUtf8(origin.readAll()) : QString();
    QMessageBox box(QMessageBox::Question, Tr(EditorTitle), Tr(RecoveryText),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (modal_.Run(box) != QMessageBox::Yes) {
        DropRecovery();
        return false;
    }
    LevelDocument recovered;
    std::vector<levelsource::Diagnostic> errors;
    if (!recovered.Load(saved.toStdString(), errors)) return false;
    document_ = std::move(recovered);
    Loaded(path, {}, path.isEmpty() ? 1 : SlotFromName(path));
    undo_.resetClean();  // the copy is not what the file holds
    WriteRecovery();
    UpdateTitle();
    return true;
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (play_) EndTestPlay(PlayEnd::Escaped);
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    DropRecovery();
    event->accept();
}

// ---------------------------------------------------------------------------
// Test games
// ---------------------------------------------------------------------------
bool EditorWindow::StartTestPlay(std::optional<QPoint> from) {
    if (play_) return false;
    levelsource::LevelRecord level = document_.Record();
    if (from) {
        const QPoint at = canvas_->Snapped(*from);
        level.startX = at.x();
        level.startY = at.y();
    }
    std::string problem;
    auto play = std::make_unique<TestPlay>(level, modal_, stack_, problem);
    if (!problem.empty()) {
        Refuse(ToQ(problem));
        return false;
    }
    play_ = std::move(play);
    TestPlayView* view = play_->View();
    // The game's picture and HUD at one game pixel each where they fit.
    view->SetVirtualDisplay(stack_->width() < 800 || stack_->height() < 600);
    connect(view, &TestPlayView::Ended, this, &EditorWindow::EndTestPlay);
    for (QAction* action : editing_) action->setEnabled(false);
    for (QAction* action : undoActions_) action->setEnabled(false);
    palette_->setEnabled(false);
    properties_->setEnabled(false);
    stack_->addWidget(view);
    stack_->setCurrentWidget(view);
    view->setFocus();
    Tell(Tr(PlayingText));
    return true;
}

void EditorWindow::EndTestPlay(PlayEnd) {
    if (!play_) return;
    stack_->setCurrentWidget(canvas_);
    stack_->removeWidget(play_->View());
    play_->View()->hide();
    for (QAction* action : editing_) action->setEnabled(true);
    undoActions_[0]->setEnabled(undo_.canUndo());
    undoActions_[1]->setEnabled(undo_.canRedo());
    // The view may still be on the stack of the call that ended the game:
    // it goes on the next turn of the event loop, or with the window.
    ended_ = std::move(play_);
    QTimer::singleShot(0, this, [this] { ended_.reset(); });
    palette_->setEnabled(true);
    properties_->setEnabled(true);
    canvas_->SwallowHeldKeys();
    canvas_->setFocus();
    statusBar()->clearMessage();
}

}  // namespace editor
