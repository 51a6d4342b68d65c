#include "app/program.h"

#include "popups/file_error_notice.h"
#include "popups/menu_panel.h"
#include "popups/unsupported_screen_notice.h"

namespace veltrana {

// Every window the bar may show is made before its creation handler runs:
// the start-up settings pass can hold a box open while timers tick, and
// whatever they show must already be there.
Program::Program(toolkit::Backend& backend, const platform::Ports& ports)
    : application_(backend) {
  application_.setTitle("Veltrana");
  bar_ = std::make_unique<TVTR>(application_, ports, static_cast<BarCompanions&>(*this));
  form2_ = std::make_unique<TForm2>(application_);
  form3_ = std::make_unique<TForm3>(application_);
  form4_ = std::make_unique<TForm4>(application_, ports.shell, ports.resources);
  bar_->FormCreate();
  bar_->show();
}

// The bar goes first, so its destroy handler still finds the other windows.
Program::~Program() {
  bar_.reset();
  form4_.reset();
  form2_.reset();
  form3_.reset();
}

TForm2& Program::unsupportedScreenNotice() { return *form2_; }

TForm3& Program::fileErrorNotice() { return *form3_; }

TForm4& Program::menuPanel() { return *form4_; }

}  // namespace veltrana
