#include "app/program.h"

#include "popups/unsupported_screen_notice.h"
#include "popups/file_error_notice.h"
#include "popups/menu_panel.h"

namespace veltrana {

Program::Program(toolkit::Backend& backend, const platform::Ports& ports)
    : application_(backend) {
  application_.setTitle("Veltrana");
  bar_ = std::make_unique<TVTR>(application_, ports, static_cast<BarCompanions&>(*this));
  form2_ = std::make_unique<TForm2>(application_);
  // Made here, hidden, unless the bar's creation handler needed it already.
  makeFileErrorNotice();
  form4_ = std::make_unique<TForm4>(application_, ports.shell, ports.resources);
  // The bar's creation handler may have scaled it before these were made.
  scaleTo(bar_->scale());
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

void Program::makeFileErrorNotice() {
  if (!form3_) form3_ = std::make_unique<TForm3>(application_);
}

TForm3& Program::fileErrorNotice() {
  makeFileErrorNotice();
  return *form3_;
}

TForm4& Program::menuPanel() { return *form4_; }

void Program::scaleTo(double scale) {
  if (form2_) form2_->scaleTo(scale);
  if (form3_) form3_->scaleTo(scale);
  if (form4_) form4_->scaleTo(scale);
}

}  // namespace veltrana
