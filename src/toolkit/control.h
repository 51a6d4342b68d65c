#pragma once

#include <functional>
#include <string>

#include "toolkit/geometry.h"

namespace toolkit {

class Canvas;
class Form;

// The keys the forms act on.
enum class Key { tab, backTab, enter, space, other };

// A windowless component: it has no native window of its own and paints
// itself onto its form's surface inside its rectangle (form coordinates).
class Control {
 public:
  Control(Form& form, std::string name, const Rect& bounds, bool visible = true);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  Form& form() const { return form_; }

  const Rect& bounds() const { return bounds_; }
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width(); }
  int height() const { return bounds_.height(); }
  // Setting the geometry a control already has changes nothing at all.
  void setBounds(const Rect& bounds);
  void setLeft(int left);
  void setWidth(int width);

  bool visible() const { return visible_; }
  void setVisible(bool visible);

  // Sizes the control for a display `scale` times as dense as the one it
  // was designed for (96 pixels per inch): its rectangle as made, its fonts
  // and its pictures alike. A scale of 1 restores the control as made.
  virtual void scaleTo(double scale);

  const std::string& hint() const { return hint_; }
  void setHint(std::string hint) { hint_ = std::move(hint); }

  // Draws the control with the origin at its top-left corner.
  virtual void paint(Canvas& canvas) const = 0;
  // Whether paint draws anything at all; moving a control that draws nothing
  // needs no repaint.
  virtual bool drawsSomething() const { return true; }

  // Mouse input, in the control's own coordinates. A press and release inside
  // the control make a click.
  virtual void mouseDown(Point) {}
  virtual void mouseUp(Point, bool inside);
  virtual void mouseMove(Point local);
  virtual void mouseLeave() {}
  virtual void click();

  // Whether the control takes the keyboard focus (in creation order, by Tab).
  virtual bool focusable() const { return false; }
  bool focused() const;

  std::function<void()> onClick;
  std::function<void(Point)> onMouseMove;

 protected:
  // Asks the form to repaint the control's rectangle.
  void invalidate() const;

 protected:
  // The rectangle the control was made with.
  const Rect& designedBounds() const { return designed_; }

 private:
  Form& form_;
  std::string name_;
  Rect bounds_;
  Rect designed_;
  bool visible_;
  std::string hint_;
};

}  // namespace toolkit
