// level_canvas.h -- the level as the game draws it, zoomed and scrolled, with the editor's marks.
//
// The picture is laid from 800 x 500 stills of the engine, one per camera
// tile; the tiles' grid starts at the camera the player sees first, so
// at 100 % the start view is exactly the game's first frame. Tiles are kept
// until the level changes.
#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QImage>

#include <map>
#include <memory>
#include <optional>
#include <set>

#include "game/level_still.h"
#include "tools/editor/level_document.h"

struct GameWorld;

namespace editor {

class LevelCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int MinZoomPercent = 25;
    static constexpr int MaxZoomPercent = 400;

    explicit LevelCanvas(QWidget* parent = nullptr);
    ~LevelCanvas() override;

    // The level changed: its tiles are drawn again when next seen.
    void SetLevel(const LevelDocument& document);

    void SetZoomPercent(int percent);
    int ZoomPercent() const { return zoomPercent_; }
    void ZoomIn();
    void ZoomOut();
    void Fit();
    void SetOverlays(bool on);
    bool Overlays() const { return overlays_; }
    void SetGrid(bool on, int size);
    bool GridOn() const { return gridOn_; }
    int GridSize() const { return gridSize_; }
    // A point snapped to the grid when it is on.
    QPoint Snapped(QPoint level) const;

    // The palette's element that a click places; none: clicks select.
    void ArmPlacing(std::optional<ElementValues> values) { placing_ = values; }

    const std::set<uint64_t>& Selection() const { return selection_; }
    void SetSelection(std::set<uint64_t> ids);

    // Level pixels of a viewport point, and the level point at the top-left
    // of the viewport.
    QPoint LevelAt(QPoint viewportPoint) const;
    QPoint ViewPointOf(QPoint level) const;
    QPoint TopLeft() const;
    void ScrollTo(QPoint levelTopLeft);
    // The start camera's corner: where the tile grid begins.
    QPoint StartCamera() const;
    // The last place of the mouse over the level, for playing from there.
    std::optional<QPoint> MouseLevelPoint() const;

    // Keys still held from a test game repeat into the editor: they are let
    // go by until the keyboard has been quiet for a moment.
    void SwallowHeldKeys();

    // Tiles drawn since the level last changed, for the benchmark's honesty.
    int TilesDrawn() const { return tilesDrawn_; }

Q_SIGNALS:
    void SelectionChanged();
    void PlaceRequested(QPoint levelPoint);
    void MoveRequested(QPoint delta);
    void ZoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void UpdateExtent();
    void UpdateScrollBars();
    double Scale() const { return zoomPercent_ / 100.0; }
    const QImage& Tile(int column, int row);
    void PaintOverlays(QPainter& painter, const QRect& visible);
    std::optional<uint64_t> HitAt(QPoint level) const;

    const LevelDocument* document_ = nullptr;
    std::unique_ptr<GameWorld> world_;
    LevelStill still_;
    std::map<std::pair<int, int>, QImage> tiles_;
    int tilesDrawn_ = 0;
    QRect extent_;  // level px shown, with room around the elements
    int zoomPercent_ = 100;
    bool overlays_ = true;
    bool gridOn_ = true;
    int gridSize_ = 10;
    std::optional<ElementValues> placing_;
    std::set<uint64_t> selection_;

    // Mouse gestures: a drag of the selection, or a rubber band.
    enum class Gesture { None, Drag, Band };
    Gesture gesture_ = Gesture::None;
    QPoint pressLevel_;
    QPoint currentLevel_;
    std::optional<QPoint> mouseLevel_;
    bool HeldFromTheGame();
    bool swallowHeldKeys_ = false;
    QElapsedTimer heldSince_;  // since the last key event that was let go by
};

}  // namespace editor
