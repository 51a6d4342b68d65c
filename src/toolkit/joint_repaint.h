#pragma once

#include <initializer_list>
#include <vector>

#include "toolkit/geometry.h"
#include "toolkit/timer.h"

namespace toolkit {

class Form;

// Brings what the ticks of several timers change on a form to the screen in
// one paint. Each paint cycle costs the window system far more than the
// controls' drawing, and timers that tick in the same second would each
// have a cycle of their own: the window system paints what one tick marked
// before it delivers the next timer's tick.
//
// Each tick of a timer it watches asks for its repaint once, with every area
// the tick invalidated. A held timer's tick, while it counts at the leading
// timer's interval, waits for the end of the leading timer's next tick and
// is asked for with it, whichever of them ticks first within the second. A
// held change still waiting when its timer ticks again is painted at once,
// before that tick changes anything: no value shown is ever skipped. Any
// change still waiting when a watched timer starts, stops or takes another
// interval is asked for then.
class JointRepaint : private TickObserver {
 public:
  // Watches the leading timer and the held ones, each of which it takes as
  // the only observer of its ticks.
  JointRepaint(Form& form, Timer& leading, std::initializer_list<Timer*> held);
  ~JointRepaint();
  JointRepaint(const JointRepaint&) = delete;
  JointRepaint& operator=(const JointRepaint&) = delete;

 private:
  void beforeTick(const Timer& timer) override;
  void afterTick(const Timer& timer) override;
  void countdownChanged(const Timer& timer) override;

  bool heldNow(const Timer& timer) const;
  bool waits(const Timer& timer) const;
  // Asks for what waits to be repainted.
  void release();

  Form& form_;
  Timer& leading_;
  std::vector<Timer*> held_;
  // The held timers whose changes wait, and the areas they invalidated.
  std::vector<const Timer*> waiting_;
  std::vector<Rect> waitingAreas_;
};

}  // namespace toolkit
