// level_canvas.cpp -- tiles of engine stills, zoom, scrolling, marks and mouse gestures.
#include "tools/editor/level_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "game/level_record.h"
#include "game/world.h"
#include "render/numeric.h"
#include "tools/editor/element_kinds.h"

namespace editor {

namespace {

constexpr int ZoomSteps[] = {25, 33, 50, 67, 100, 150, 200, 300, 400};
constexpr int Room = 400;          // level px shown around the elements
constexpr int Far = 1 << 20;       // level px: what lies further out is not shown
constexpr int BandThreshold = 3;   // view px a press must travel to become a gesture

int Clamp(int64_t v) { return int(std::clamp<int64_t>(v, -Far, Far)); }

int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int RoundTo(int v, int step) {
    return int(FloorDiv(int64_t(v) * 2 + step, int64_t(step) * 2) * step);
}

}  // namespace

LevelCanvas::LevelCanvas(QWidget* parent)
    : QAbstractScrollArea(parent), world_(std::make_unique<GameWorld>()) {
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

LevelCanvas::~LevelCanvas() = default;

void LevelCanvas::SetLevel(const LevelDocument& document) {
    const bool first = document_ == nullptr;
    const QPoint keep = TopLeft();
    document_ = &document;
    world_ = std::make_unique<GameWorld>();
    PlaceLevel(document.Record(), *world_);
    tiles_.clear();
    tilesDrawn_ = 0;
    std::set<uint64_t> kept;
    for (uint64_t id : selection_)
        if (document.Find(id) != nullptr) kept.insert(id);
    const bool lost = kept.size() != selection_.size();
    selection_ = std::move(kept);
    UpdateExtent();
    ScrollTo(first ? StartCamera() : keep);
    viewport()->update();
    if (lost) Q_EMIT SelectionChanged();
}

QPoint LevelCanvas::StartCamera() const {
    if (document_ == nullptr) return {};
    const LevelRecord& r = document_->Record();
    return {Clamp(SubWrap(r.startX, FrameWidth / 2)), Clamp(SubWrap(r.startY, FrameHeight / 2 + 30))};
}

void LevelCanvas::UpdateExtent() {
    QRect all(StartCamera(), QSize(FrameWidth, FrameHeight));
    if (document_ != nullptr) {
        for (const Placed& p : document_->Elements()) {
            const QRect box = ElementBox(p.values);
            if (std::abs(box.left()) < Far && std::abs(box.top()) < Far) all |= box;
        }
        const int plane = Clamp(DeathPlaneOf(document_->Record()));
        all |= QRect(all.left(), plane, 1, 50);
    }
    extent_ = all.adjusted(-Room, -Room, Room, Room);
    UpdateScrollBars();
}

void LevelCanvas::UpdateScrollBars() {
    const QSize shown = viewport()->size();
    const int width = int(std::ceil(extent_.width() * Scale()));
    const int height = int(std::ceil(extent_.height() * Scale()));
    horizontalScrollBar()->setRange(0, std::max(0, width - shown.width()));
    verticalScrollBar()->setRange(0, std::max(0, height - shown.height()));
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setPageStep(shown.height());
    horizontalScrollBar()->setSingleStep(40);
    verticalScrollBar()->setSingleStep(40);
}

QPoint LevelCanvas::LevelAt(QPoint v) const {
    const double s = Scale();
    return {extent_.left() + int(std::floor((v.x() + horizontalScrollBar()->value()) / s)),
            extent_.top() + int(std::floor((v.y() + verticalScrollBar()->value()) / s))};
}

QPoint LevelCanvas::ViewPointOf(QPoint level) const {
    const double s = Scale();
    return {int(std::lround((level.x() - extent_.left()) * s)) - horizontalScrollBar()->value(),
            int(std::lround((level.y() - extent_.top()) * s)) - verticalScrollBar()->value()};
}

QPoint LevelCanvas::TopLeft() const { return LevelAt({0, 0}); }

void LevelCanvas::ScrollTo(QPoint level) {
    horizontalScrollBar()->setValue(int(std::lround((level.x() - extent_.left()) * Scale())));
    verticalScrollBar()->setValue(int(std::lround((level.y() - extent_.top()) * Scale())));
    viewport()->update();
}

void LevelCanvas::SetZoomPercent(int percent) {
    percent = std::clamp(percent, MinZoomPercent, MaxZoomPercent);
    if (percent == zoomPercent_) return;
    // The level point at the middle stays at the middle.
    const QPoint middle(viewport()->width() / 2, viewport()->height() / 2);
    const QPoint centre = LevelAt(middle);
    zoomPercent_ = percent;
    UpdateScrollBars();
    ScrollTo(centre - QPoint(int(middle.x() / Scale()), int(middle.y() / Scale())));
    Q_EMIT ZoomChanged(zoomPercent_);
}

void LevelCanvas::ZoomIn() {
    for (int step : ZoomSteps)
        if (step > zoomPercent_) return SetZoomPercent(step);
}

void LevelCanvas::ZoomOut() {
    for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps); ++it)
        if (*it < zoomPercent_) return SetZoomPercent(*it);
}

void LevelCanvas::Fit() {
    const QSize shown = viewport()->size();
    const int across = shown.width() * 100 / std::max(1, extent_.width());
    const int down = shown.height() * 100 / std::max(1, extent_.height());
    SetZoomPercent(std::min(across, down));
    ScrollTo(extent_.topLeft());
}

void LevelCanvas::SetOverlays(bool on) {
    overlays_ = on;
    viewport()->update();
}

void LevelCanvas::SetGrid(bool on, int size) {
    gridOn_ = on;
    gridSize_ = std::clamp(size, 1, 1000);
    viewport()->update();
}

QPoint LevelCanvas::Snapped(QPoint level) const {
    if (!gridOn_) return level;
    return {int(FloorDiv(level.x(), gridSize_) * gridSize_),
            int(FloorDiv(level.y(), gridSize_) * gridSize_)};
}

void LevelCanvas::SetSelection(std::set<uint64_t> ids) {
    if (ids == selection_) return;
    selection_ = std::move(ids);
    viewport()->update();
    Q_EMIT SelectionChanged();
}

std::optional<QPoint> LevelCanvas::MouseLevelPoint() const { return mouseLevel_; }

const QImage& LevelCanvas::Tile(int column, int row) {
    auto found = tiles_.find({column, row});
    if (found != tiles_.end()) return found->second;
    const QPoint camera = StartCamera() + QPoint(column * FrameWidth, row * FrameHeight);
    const std::span<const uint32_t> pixels = still_.Draw(*world_, camera.x(), camera.y());
    QImage image(reinterpret_cast<const uchar*>(pixels.data()), FrameWidth, FrameHeight,
                 FrameWidth * 4, QImage::Format_RGB32);
    ++tilesDrawn_;
    return tiles_.emplace(std::make_pair(column, row), image.copy()).first->second;
}

void LevelCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRegion(event->region());
    const QRect area = event->rect();
    if (document_ == nullptr) {
        painter.fillRect(area, Qt::black);
        return;
    }
    const double s = Scale();
    const QPoint from = LevelAt(area.topLeft());
    const QPoint to = LevelAt(area.bottomRight());
    const QPoint camera = StartCamera();
    const int firstColumn = int(FloorDiv(from.x() - camera.x(), FrameWidth));
    const int lastColumn = int(FloorDiv(to.x() - camera.x(), FrameWidth));
    const int firstRow = int(FloorDiv(from.y() - camera.y(), FrameHeight));
    const int lastRow = int(FloorDiv(to.y() - camera.y(), FrameHeight));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const QPoint origin = camera + QPoint(column * FrameWidth, row * FrameHeight);
            const QPoint topLeft = ViewPointOf(origin);
            const QPoint bottomRight = ViewPointOf(origin + QPoint(FrameWidth, FrameHeight));
            const QRect target(topLeft, bottomRight - QPoint(1, 1));
            const QRect shown = target & area;
            if (shown.isEmpty()) continue;
            // Only the part in view is scaled: whole pixels of the still.
            const int sx = int(std::floor((shown.left() - topLeft.x()) / s));
            const int sy = int(std::floor((shown.top() - topLeft.y()) / s));
            const int ex = std::min(FrameWidth, int(std::ceil((shown.right() + 1 - topLeft.x()) / s)));
            const int ey = std::min(FrameHeight, int(std::ceil((shown.bottom() + 1 - topLeft.y()) / s)));
            const QRectF source(sx, sy, ex - sx, ey - sy);
            const QRectF into(topLeft.x() + sx * s, topLeft.y() + sy * s, (ex - sx) * s, (ey - sy) * s);
            painter.drawImage(into, Tile(column, row), source);
        }
    }
    if (overlays_) PaintOverlays(painter, area);
}

void LevelCanvas::PaintOverlays(QPainter& painter, const QRect& area) {
    const LevelRecord& r = document_->Record();
    auto rectOf = [this](const QRect& level) {
        return QRect(ViewPointOf(level.topLeft()),
                     ViewPointOf(level.topLeft() + QPoint(level.width(), level.height())) -
                         QPoint(1, 1));
    };
    // The death plane, and the pit below it.
    const int plane = ViewPointOf({0, Clamp(DeathPlaneOf(r))}).y();
    if (plane < area.bottom()) {
        painter.fillRect(QRect(area.left(), plane, area.width(), area.bottom() - plane + 1),
                         QColor(200, 0, 0, 60));
        painter.setPen(QPen(QColor(255, 40, 40), 2));
        painter.drawLine(area.left(), plane, area.right(), plane);
    }
    // Grid lines where they are far enough apart to help.
    if (gridOn_ && gridSize_ * Scale() >= 16) {
        painter.setPen(QColor(255, 255, 255, 28));
        const QPoint from = Snapped(LevelAt(area.topLeft()));
        const QPoint to = LevelAt(area.bottomRight());
        for (int x = from.x(); x <= to.x(); x += gridSize_) {
            const int vx = ViewPointOf({x, 0}).x();
            painter.drawLine(vx, area.top(), vx, area.bottom());
        }
        for (int y = from.y(); y <= to.y(); y += gridSize_) {
            const int vy = ViewPointOf({0, y}).y();
            painter.drawLine(area.left(), vy, area.right(), vy);
        }
    }
    // The player's first view.
    painter.setPen(QPen(QColor(255, 220, 0), 2, Qt::DashLine));
    painter.drawRect(rectOf(QRect(StartCamera(), QSize(FrameWidth, FrameHeight))));
    painter.setPen(QPen(QColor(0, 255, 0), 2));
    painter.drawRect(rectOf(ElementBox({Group::Start, r.facing, 0, r.startX, r.startY})));
    painter.setPen(QPen(QColor(0, 160, 255), 2));
    painter.drawRect(rectOf(ElementBox({Group::Goal, 0, 0, r.goalX, r.goalY})));
    // The selection, where a drag would put it.
    const QPoint shift = gesture_ == Gesture::Drag ? currentLevel_ - pressLevel_ : QPoint();
    QPoint snappedShift = shift;
    if (gridOn_) snappedShift = {RoundTo(shift.x(), gridSize_), RoundTo(shift.y(), gridSize_)};
    painter.setPen(QPen(Qt::white, 2));
    for (uint64_t id : selection_)
        if (const Placed* p = document_->Find(id))
            painter.drawRect(rectOf(ElementBox(p->values).translated(snappedShift)));
    if (gesture_ == Gesture::Band) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(QRect(ViewPointOf(pressLevel_), ViewPointOf(currentLevel_)).normalized());
    }
}

std::optional<uint64_t> LevelCanvas::HitAt(QPoint level) const {
    if (document_ == nullptr) return std::nullopt;
    // The smallest element under the point: a pickup on a ledge is the pickup.
    std::optional<uint64_t> best;
    int64_t bestArea = 0;
    for (const Placed& p : document_->Elements()) {
        const QRect box = ElementBox(p.values);
        if (!box.contains(level)) continue;
        const int64_t area = int64_t(box.width()) * box.height();
        if (!best || area <= bestArea) {
            best = p.id;
            bestArea = area;
        }
    }
    return best;
}

void LevelCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || document_ == nullptr) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus();
    const QPoint level = LevelAt(event->position().toPoint());
    pressLevel_ = currentLevel_ = level;
    if (placing_) {
        Q_EMIT PlaceRequested(Snapped(level));
        return;
    }
    const bool adding = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const std::optional<uint64_t> hit = HitAt(level);
    std::set<uint64_t> chosen = selection_;
    if (hit) {
        if (adding) {
            if (!chosen.erase(*hit)) chosen.insert(*hit);
        } else if (chosen.count(*hit) == 0) {
            chosen = {*hit};
        }
        gesture_ = chosen.count(*hit) != 0 ? Gesture::Drag : Gesture::None;
    } else {
        if (!adding) chosen.clear();
        gesture_ = Gesture::Band;
    }
    SetSelection(std::move(chosen));
}

void LevelCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint level = LevelAt(event->position().toPoint());
    mouseLevel_ = level;
    if (gesture_ != Gesture::None) {
        currentLevel_ = level;
        viewport()->update();
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void LevelCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || gesture_ == Gesture::None) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    currentLevel_ = LevelAt(event->position().toPoint());
    const Gesture gesture = gesture_;
    gesture_ = Gesture::None;
    const QPoint moved = currentLevel_ - pressLevel_;
    const bool travelled = (moved * Scale()).manhattanLength() >= BandThreshold;
    if (gesture == Gesture::Drag && travelled) {
        QPoint delta = moved;
        if (gridOn_) delta = {RoundTo(moved.x(), gridSize_), RoundTo(moved.y(), gridSize_)};
        if (!delta.isNull()) Q_EMIT MoveRequested(delta);
    } else if (gesture == Gesture::Band && travelled) {
        const QRect band = QRect(pressLevel_, currentLevel_).normalized();
        std::set<uint64_t> chosen = event->modifiers() & Qt::ControlModifier ? selection_
                                                                             : std::set<uint64_t>{};
        for (const Placed& p : document_->Elements())
            if (ElementBox(p.values).intersects(band)) chosen.insert(p.id);
        SetSelection(std::move(chosen));
    }
    viewport()->update();
}

void LevelCanvas::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        if (event->angleDelta().y() > 0) ZoomIn();
        if (event->angleDelta().y() < 0) ZoomOut();
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

// While a key the game had stays down, the window system repeats it,
// marked as a repeat or not, press and release alike, at least every
// HeldKeyGapMs; a quiet spell that long means the keys were let go.
bool LevelCanvas::HeldFromTheGame() {
    constexpr int HeldKeyGapMs = 250;
    if (!swallowHeldKeys_) return false;
    if (heldSince_.isValid() && heldSince_.elapsed() > HeldKeyGapMs) {
        swallowHeldKeys_ = false;
        return false;
    }
    heldSince_.start();
    return true;
}

void LevelCanvas::SwallowHeldKeys() {
    swallowHeldKeys_ = true;
    heldSince_.start();
}

void LevelCanvas::keyReleaseEvent(QKeyEvent* event) {
    if (HeldFromTheGame()) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

void LevelCanvas::keyPressEvent(QKeyEvent* event) {
    if (HeldFromTheGame()) {
        event->accept();
        return;
    }
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left: delta = {-step, 0}; break;
    case Qt::Key_Right: delta = {step, 0}; break;
    case Qt::Key_Up: delta = {0, -step}; break;
    case Qt::Key_Down: delta = {0, step}; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    if (selection_.empty()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT MoveRequested(delta);
}

void LevelCanvas::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void LevelCanvas::scrollContentsBy(int, int) { viewport()->update(); }

}  // namespace editor
