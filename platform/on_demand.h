// Windows whose controls are built when first needed: at the first showing, or when code first
// reaches one of the controls.
#pragma once

#include <array>
#include <cstddef>

namespace tavrel {

// Knows whether a window's controls exist yet. The window's constructor does at once what creating
// the window must do (its fields and defaults); build() creates the controls with their initial
// states, exactly once, before anything reads them.
class ControlsOnDemand {
 public:
  virtual ~ControlsOnDemand() = default;

  void ensure_built() {
    if (state_ != State::waiting) return;  // built, or being built: controls reach each other
    state_ = State::building;
    build();
    state_ = State::built;
  }
  bool controls_built() const { return state_ == State::built; }

 protected:
  virtual void build() = 0;

 private:
  enum class State { waiting, building, built };
  State state_ = State::waiting;
};

// A toolkit window (QDialog, QWidget) that builds its controls before it is first shown.
template <typename Window>
class OnDemand : public Window, public ControlsOnDemand {
 public:
  using Window::Window;

  void setVisible(bool visible) override {
    if (visible) ensure_built();
    Window::setVisible(visible);
  }
};

// One control of a window built on demand: reaching it builds the window's controls first.
template <typename T>
class Control {
 public:
  explicit Control(ControlsOnDemand* owner) : owner_(owner) {}
  Control(const Control&) = default;
  Control& operator=(const Control&) = delete;  // a control belongs to its own window
  Control& operator=(T* widget) {
    widget_ = widget;
    return *this;
  }

  T* get() const {
    owner_->ensure_built();
    return widget_;
  }
  T* operator->() const { return get(); }
  operator T*() const { return get(); }

 private:
  ControlsOnDemand* owner_;
  T* widget_ = nullptr;
};

// A fixed row of controls of a window built on demand (cells of a board, keys of a pad).
template <typename T, std::size_t N>
class ControlArray {
 public:
  explicit ControlArray(ControlsOnDemand* owner) : owner_(owner) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  T*& operator[](std::size_t i) { return built()[i]; }
  T* operator[](std::size_t i) const { return built()[i]; }
  T* at(std::size_t i) const { return built().at(i); }
  auto begin() { return built().begin(); }
  auto end() { return built().end(); }
  auto begin() const { return built().begin(); }
  auto end() const { return built().end(); }
  static constexpr std::size_t size() { return N; }

 private:
  std::array<T*, N>& built() const {
    owner_->ensure_built();
    return items_;
  }

  ControlsOnDemand* owner_;
  mutable std::array<T*, N> items_{};
};

}  // namespace tavrel
