#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/monitors.h"
#include "toolkit/scaling.h"

namespace toolkit {

namespace {

Point toLocal(const Control& c, Point p) { return {p.x - c.left(), p.y - c.top()}; }

}  // namespace

Form::Form(Application& application, const FormOptions& options)
    : application_(application),
      caption_(options.caption),
      bounds_(options.bounds),
      designedSize_{options.bounds.width(), options.bounds.height()},
      color_(options.color),
      autoSize_(options.autoSize),
      screenSnap_(options.screenSnap),
      snapDistance_(options.snapDistance) {
  window_ = application_.backend().createWindow(
      *this, WindowOptions{options.className, options.caption, options.color, options.topmost, options.mainWindow});
  window_->setBounds(bounds_);
  application_.addForm(*this);
}

Form::~Form() {
  destroyWindow();
  application_.removeForm(*this);
}

void Form::destroyWindow() {
  if (destroyed_) return;
  destroyed_ = true;
  if (onDestroy) onDestroy();
  visible_ = false;
  window_.reset();
}

void Form::finishLoading() {
  loading_ = false;
  controlGeometryChanged();
}

void Form::setScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  {
    GeometryBatch batch(*this);
    for (Control* c : controls_) c->scaleTo(scale);
  }
  if (!autoSize_)
    applyBounds(Rect::fromBounds(bounds_.left, bounds_.top, scaled(designedSize_.width, scale),
                                 scaled(designedSize_.height, scale)));
  invalidate(Rect::fromBounds(0, 0, bounds_.width(), bounds_.height()));
}

void Form::setLeft(int left) { moveTo({left, bounds_.top}); }

void Form::setTop(int top) { moveTo({bounds_.left, top}); }

void Form::moveTo(Point requested) {
  Point p = requested;
  if (screenSnap_ && !(p.x == 0 && p.y == 0)) {
    const auto monitors = application_.backend().monitors();
    if (const auto monitor = monitorHolding(monitors, bounds_))
      p = snapToWorkArea(p, {bounds_.width(), bounds_.height()}, monitor->work, snapDistance_);
  }
  applyBounds(Rect::fromBounds(p.x, p.y, bounds_.width(), bounds_.height()));
}

void Form::applyBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  if (bounds.left != bounds_.left || bounds.top != bounds_.top) ++counters_.moves;
  if (bounds.width() != bounds_.width() || bounds.height() != bounds_.height()) ++counters_.resizes;
  bounds_ = bounds;
  if (window_) window_->setBounds(bounds_);
}

Size Form::boundingSize() const {
  Size size;
  for (const Control* c : controls_) {
    if (!c->visible()) continue;
    size.width = std::max(size.width, c->bounds().right);
    size.height = std::max(size.height, c->bounds().bottom);
  }
  return size;
}

void Form::endGeometryBatch() {
  if (--batchDepth_ == 0) controlGeometryChanged();
}

void Form::controlGeometryChanged() {
  if (loading_ || batchDepth_ > 0 || !autoSize_) return;
  const Size size = boundingSize();
  applyBounds(Rect::fromBounds(bounds_.left, bounds_.top, size.width, size.height));
}

void Form::show() {
  visible_ = true;
  if (window_) window_->show();
}

void Form::hide() {
  visible_ = false;
  if (window_) window_->hide();
}

void Form::showModal() {
  visible_ = true;
  if (window_) window_->runModal();
  visible_ = false;
}

void Form::stepBehind(std::uintptr_t other) {
  if (window_) window_->stepBehind(other);
}

bool Form::liesRightBelow(std::uintptr_t other) const { return window_ && window_->liesRightBelow(other); }

void Form::bringToTopmost() {
  if (window_) window_->bringToTopmost();
}

bool Form::active() const { return window_ && window_->isActive(); }

std::uintptr_t Form::nativeHandle() const { return window_ ? window_->handle() : 0; }

int Form::displayRefreshRate() const { return window_ ? window_->verticalRefreshRate() : 0; }

void Form::addControl(Control& control) { controls_.push_back(&control); }

void Form::setFocus(Control& control) {
  if (!control.focusable() || focused_ == &control) return;
  if (focused_) invalidate(focused_->bounds());
  focused_ = &control;
  invalidate(control.bounds());
}

void Form::keyDown(Key key) {
  if (key == Key::tab || key == Key::backTab) {
    std::vector<Control*> order;
    for (Control* c : controls_)
      if (c->focusable() && c->visible()) order.push_back(c);
    if (order.empty()) return;
    auto at = std::find(order.begin(), order.end(), focused_);
    std::size_t index = at == order.end() ? 0 : static_cast<std::size_t>(at - order.begin());
    if (at != order.end()) index = (index + (key == Key::tab ? 1 : order.size() - 1)) % order.size();
    setFocus(*order[index]);
  } else if ((key == Key::enter || key == Key::space) && focused_ && focused_->visible()) {
    focused_->click();
  }
}

void Form::removeControl(Control& control) {
  std::erase(controls_, &control);
  if (captured_ == &control) captured_ = nullptr;
  if (hovered_ == &control) hovered_ = nullptr;
  if (focused_ == &control) focused_ = nullptr;
}

Control* Form::findControl(std::string_view name) const {
  for (Control* c : controls_)
    if (c->name() == name) return c;
  return nullptr;
}

Control* Form::controlAt(Point p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* c = *it;
    if (c->visible() && c->bounds().contains(p)) return c;
  }
  return nullptr;
}

void Form::invalidate(const Rect& area) { invalidate(std::span<const Rect>(&area, 1)); }

void Form::invalidate(std::span<const Rect> areas) {
  if (!window_) return;
  const bool collecting = !collections_.empty();
  std::vector<Rect> asked;
  std::vector<Rect>& marked = collecting ? collections_.back() : asked;
  for (const Rect& area : areas)
    if (!area.empty()) marked.push_back(area);
  if (collecting || asked.empty()) return;
  ++counters_.invalidations;
  window_->invalidate(asked);
}

void Form::beginCollecting() { collections_.emplace_back(); }

std::vector<Rect> Form::endCollecting() {
  std::vector<Rect> collected = std::move(collections_.back());
  collections_.pop_back();
  return collected;
}

void Form::updateNow() {
  if (!window_ || !visible_) return;
  ++counters_.updatesNow;
  window_->updateNow();
}

void Form::paint(Canvas& canvas, const Rect& update, const std::function<bool(const Rect&)>& needed) {
  canvas.fillRect(update, color_);
  paintControls(canvas, update, needed);
}

void Form::paintControls(Canvas& canvas, const Rect& area, const std::function<bool(const Rect&)>& needed) const {
  for (const Control* c : controls_) {
    const Rect shown = c->bounds().intersect(area);
    if (!c->visible() || shown.empty() || (needed && !needed(shown))) continue;
    CanvasArea scope(canvas, {c->left(), c->top()}, shown);
    c->paint(canvas);
  }
}

void Form::mouseDown(Point p) {
  captured_ = controlAt(p);
  if (captured_) captured_->mouseDown(toLocal(*captured_, p));
}

void Form::mouseUp(Point p) {
  Control* c = captured_;
  captured_ = nullptr;
  if (c) c->mouseUp(toLocal(*c, p), c->bounds().contains(p));
}

void Form::mouseMove(Point p) {
  Control* target = captured_ ? captured_ : controlAt(p);
  if (target != hovered_) {
    if (hovered_) hovered_->mouseLeave();
    hovered_ = target;
  }
  if (target) target->mouseMove(toLocal(*target, p));
}

void Form::mouseLeave() {
  if (hovered_) hovered_->mouseLeave();
  hovered_ = nullptr;
}

void Form::activationChanged(bool active) {
  if (active && onActivate) onActivate();
  if (!active && onDeactivate) onDeactivate();
}

}  // namespace toolkit
