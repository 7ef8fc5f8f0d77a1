#pragma once
// The desktop setting that shows window contents while a window is dragged. The program
// switches it off while it runs and back on at exit when it was on at start. On Windows
// this is the system's own setting; elsewhere the desktop offers no such switch, so the
// value is only kept here.

namespace ntx {

class DragSetting {
  public:
    virtual ~DragSetting() = default;
    [[nodiscard]] virtual bool showContentsWhileDragging() const = 0;
    // Changes the setting for the whole desktop (and the user's profile where there is one).
    virtual void setShowContentsWhileDragging(bool on) = 0;
};

// The setting of this machine: the system's on Windows, a kept value elsewhere.
class SystemDragSetting : public DragSetting {
  public:
    [[nodiscard]] bool showContentsWhileDragging() const override;
    void setShowContentsWhileDragging(bool on) override;

  private:
    bool kept_ = true;
};

}  // namespace ntx
