// editor_window.h -- the level editor's main window: the level, its tools, files and test games.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QUndoStack>

#include <array>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "tools/editor/level_document.h"

class ModalRunner;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QSpinBox;
class QStackedWidget;
class QWidget;
class QFormLayout;

namespace editor {

class LevelCanvas;
class TestPlay;
enum class PlayEnd;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int RecoveryPeriodMs = 60 * 1000;

    explicit EditorWindow(ModalRunner& modal, QWidget* parent = nullptr);
    ~EditorWindow() override;

    // Files. Each refusal is told in a box and in the status bar, and leaves
    // the document and the files as they were. `slot` picks a Data.dat's
    // level, 1..6; 0 asks.
    bool OpenFile(const QString& path, int slot = 0);
    bool SaveTo(const QString& path);
    bool Save();
    // The other five levels and the record come from `base`; by default
    // from the Data.dat the level came from, else the shipped one.
    bool ExportTo(const QString& path, int slot, const QString& base = {});
    bool InstallInto(const QString& folder);
    void NewLevel();
    // The unsaved-changes question; true when the work may go.
    bool MaybeSave();

    // Edits, as the palette, the mouse and the menu make them.
    bool PlaceAt(const ElementValues& values);
    bool MoveSelection(QPoint delta);
    bool DeleteSelection();
    void CopySelection();
    bool Paste();
    bool SetValues(uint64_t id, const ElementValues& values);
    void SelectAll();

    // Test games. `from`: the soldier's start there instead.
    bool StartTestPlay(std::optional<QPoint> from);
    TestPlay* Playing() const { return play_.get(); }

    // The recovery copy of unsaved work.
    static QString RecoveryPath();
    void WriteRecovery();
    bool OfferRecovery();

    const LevelDocument& Document() const { return document_; }
    LevelCanvas& Canvas() const { return *canvas_; }
    QUndoStack& Undo() { return undo_; }
    QString FilePath() const { return path_; }
    QString StatusText() const;
    QListWidget& Findings() const { return *findings_; }
    QListWidget& PaletteList() const { return *palette_; }

    // What an undo step restores.
    void Restore(const std::vector<Entry>& entries, const std::set<uint64_t>& selection);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    void BuildDocks();
    bool Commit(const QString& what, std::vector<Entry> after, std::set<uint64_t> selection,
                int mergeId = -1);
    void Refuse(const QString& reason);
    void Tell(const QString& text);
    void Changed();
    void UpdateTitle();
    void UpdateChecks();
    void UpdateCounts();
    void UpdateProperties();
    void PropertyEdited();
    void Loaded(const QString& path, const QString& dataOrigin, int slot);
    void EndTestPlay(PlayEnd how);
    int AskSlot(int suggested);
    bool WriteSafely(const QString& path, const QByteArray& bytes);
    void DropRecovery();
    void OnPaletteClicked(QListWidgetItem* item);

    ModalRunner& modal_;
    LevelDocument document_;
    QUndoStack undo_;
    QString path_;        // the source's file; empty before the first save
    QString dataOrigin_;  // the Data.dat it came from, if any
    int slot_ = 1;        // its place in a Data.dat, 1..6
    QStackedWidget* stack_ = nullptr;
    LevelCanvas* canvas_ = nullptr;
    QListWidget* palette_ = nullptr;
    QListWidgetItem* armed_ = nullptr;
    QListWidget* findings_ = nullptr;
    QLabel* counts_ = nullptr;
    QLabel* zoomLabel_ = nullptr;
    QLabel* selectedKind_ = nullptr;
    QSpinBox* xBox_ = nullptr;
    QSpinBox* yBox_ = nullptr;
    QSpinBox* numberBox_ = nullptr;
    QSpinBox* dirBox_ = nullptr;
    QFormLayout* form_ = nullptr;
    QWidget* properties_ = nullptr;
    QSpinBox* gridSize_ = nullptr;
    bool showingProperties_ = false;
    std::vector<QAction*> editing_;  // off while a test game runs
    std::array<QAction*, 2> undoActions_{};  // undo, redo: the stack keeps them up to date
    QTimer recoveryTimer_;
    std::unique_ptr<TestPlay> play_;
    std::unique_ptr<TestPlay> ended_;  // the last game, until its view is off the stack
};

}  // namespace editor
