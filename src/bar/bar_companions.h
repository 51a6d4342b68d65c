#pragma once

namespace veltrana {

class TForm2;
class TForm3;
class TForm4;

// The program's other windows, as the bar reaches them: all of them are
// made before the bar's creation handler runs.
class BarCompanions {
 public:
  virtual ~BarCompanions() = default;
  virtual TForm2& unsupportedScreenNotice() = 0;
  virtual TForm3& fileErrorNotice() = 0;
  virtual TForm4& menuPanel() = 0;
};

}  // namespace veltrana
