#pragma once

#include <memory>

#include "bar/bar_window.h"
#include "platform/ports.h"
#include "toolkit/application.h"

namespace toolkit {
class Backend;
}

namespace veltrana {

class TForm2;
class TForm3;
class TForm4;

// The running program once the single-instance rule has let it start: the
// application object titled "Veltrana", the bar and its three companion
// windows, created hidden; then the bar's creation handler runs and the bar
// is shown.
class Program : private BarCompanions {
 public:
  Program(toolkit::Backend& backend, const platform::Ports& ports);
  ~Program() override;

  toolkit::Application& application() { return application_; }
  TVTR& bar() { return *bar_; }
  TForm2& unsupportedScreenNotice() override;
  TForm3& fileErrorNotice() override;
  TForm4& menuPanel() override;

 private:
  toolkit::Application application_;
  std::unique_ptr<TVTR> bar_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TForm3> form3_;
  std::unique_ptr<TForm4> form4_;
};

}  // namespace veltrana
