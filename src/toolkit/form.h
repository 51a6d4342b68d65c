#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/color.h"
#include "toolkit/geometry.h"

namespace toolkit {

class Application;
class Canvas;
class Control;
enum class Key;

struct FormOptions {
  std::string className;
  std::string caption;
  Rect bounds;  // screen rectangle at creation; a borderless form has no frame
  Color color = colors::silver;
  bool topmost = false;
  bool autoSize = false;  // size follows the bounding box of the visible controls
  bool screenSnap = false;
  int snapDistance = 10;
  bool mainWindow = false;
};

// A borderless top-level window hosting windowless controls. Controls register
// in creation order; each later one lies above the earlier ones.
class Form {
 public:
  Form(Application& application, const FormOptions& options);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& application() const { return application_; }
  const std::string& caption() const { return caption_; }
  Color color() const { return color_; }

  // Screen geometry. Moves pass through screen snap when it is on.
  const Rect& bounds() const { return bounds_; }
  void setLeft(int left);
  void setTop(int top);

  // How many times as dense the display is as the one the form was designed
  // for (96 pixels per inch); 1 as made.
  double scale() const { return scale_; }
  // Scales every control, and the size of a form that does not size itself
  // to them; the form's position stays where it is.
  void setScale(double scale);

  bool visible() const { return visible_; }
  void show();
  void hide();
  void showModal();
  bool active() const;
  // Out of the top-most band, right below another window; or back on top.
  void stepBehind(std::uintptr_t other);
  void bringToTopmost();
  bool liesRightBelow(std::uintptr_t other) const;
  // The native window, for the operating system's services.
  std::uintptr_t nativeHandle() const;
  // The vertical refresh rate of the display the form is on; 0 when unknown.
  int displayRefreshRate() const;

  const std::vector<Control*>& controls() const { return controls_; }
  Control* findControl(std::string_view name) const;
  // The topmost visible control with a non-empty rectangle under the point.
  Control* controlAt(Point p) const;

  // The concrete form calls this once its constructor has created every
  // control; auto-size starts from here.
  void finishLoading();

  // Between begin and end of a batch, moves and resizes of controls do not
  // resize the form; the end applies the net result once.
  void beginGeometryBatch() { ++batchDepth_; }
  void endGeometryBatch();

  // Runs the destroy handler once and destroys the native window.
  void destroyWindow();

  // The control with the keyboard focus, if any; only focusable controls take it.
  Control* focusedControl() const { return focused_; }
  void setFocus(Control& control);

  std::function<void()> onActivate;
  std::function<void()> onDeactivate;
  std::function<void()> onDestroy;

  // What the form asked of the window system, for tests and benchmarks.
  struct Counters {
    long invalidations = 0;  // requests to repaint, each of one or more rectangles
    long updatesNow = 0;     // paints asked for at once
    long moves = 0;
    long resizes = 0;
  };
  const Counters& counters() const { return counters_; }

  // For controls.
  void addControl(Control& control);
  void removeControl(Control& control);
  // Marks an area for the next paint of the window.
  void invalidate(const Rect& area);
  void controlGeometryChanged();

  // Several areas for the next paint, in one request to the window system.
  void invalidate(std::span<const Rect> areas);
  // From here to the matching endCollecting(), what is invalidated is kept
  // instead of asked for; the end hands it over. Collections nest: an
  // inner one keeps what is invalidated while it lasts.
  void beginCollecting();
  std::vector<Rect> endCollecting();
  // Paints what has been invalidated, before returning.
  void updateNow();

  // For the native window: paints the area `update`, all of it, or, given
  // `needed`, the controls within it for which `needed` says so (the part
  // of the window to paint, which need not be one rectangle, touches them).
  void paint(Canvas& canvas, const Rect& update, const std::function<bool(const Rect&)>& needed = {});
  void mouseDown(Point p);
  void mouseUp(Point p);
  void mouseMove(Point p);
  void mouseLeave();
  void keyDown(Key key);
  void activationChanged(bool active);

 private:
  void moveTo(Point requested);
  void applyBounds(const Rect& bounds);
  Size boundingSize() const;
  void paintControls(Canvas& canvas, const Rect& area, const std::function<bool(const Rect&)>& needed) const;

  Application& application_;
  std::string caption_;
  Rect bounds_;
  Size designedSize_;
  double scale_ = 1;
  Color color_;
  bool autoSize_;
  bool screenSnap_;
  int snapDistance_;
  bool loading_ = true;
  int batchDepth_ = 0;
  bool visible_ = false;
  bool destroyed_ = false;
  std::vector<Control*> controls_;
  Control* captured_ = nullptr;
  Control* hovered_ = nullptr;
  Control* focused_ = nullptr;
  Counters counters_;
  std::vector<std::vector<Rect>> collections_;
  std::unique_ptr<NativeWindow> window_;
};

// Scope of a geometry batch.
class GeometryBatch {
 public:
  explicit GeometryBatch(Form& form) : form_(form) { form_.beginGeometryBatch(); }
  ~GeometryBatch() { form_.endGeometryBatch(); }
  GeometryBatch(const GeometryBatch&) = delete;
  GeometryBatch& operator=(const GeometryBatch&) = delete;

 private:
  Form& form_;
};

}  // namespace toolkit
