#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <typeindex>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace platform {

class Forms;

// Tells the world that a window was unloaded (for modal loops and tests).
class FormNotifier : public QObject {
  Q_OBJECT
 signals:
  void loaded();
  void unloaded();
};

// A program window: one program-wide instance, loaded on first touch through
// Forms::get<T>(), unloaded through Forms::unload. A window class derives from
// its Qt widget class and from Form, builds its controls in its constructor and
// does its load work in Form_Load.
//
// Unloading hides the window and marks it unloaded; the object itself is
// destroyed later from the event loop, so a window whose handler is still
// running is never destroyed under it.
class Form {
 public:
  enum class Kind { TopLevel, MdiChild, MdiHost };
  Form(QWidget* window, Kind kind = Kind::TopLevel);
  virtual ~Form();

  QWidget* formWidget() const { return window_; }
  // The outer widget: the MDI sub-window for a child window, else the window.
  QWidget* frame() const;
  Kind kind() const { return kind_; }
  bool isLoaded() const { return state_ == State::Loaded; }
  bool isUnloading() const { return state_ == State::Unloading; }
  FormNotifier* notifier() { return &notifier_; }

  // Show modeless (raise and activate it); the focus goes to its first
  // control in tab order.
  void Show();
  // Show modally: returns when the window has been unloaded.
  void ShowModal();
  void Hide();
  bool FormVisible() const;

  // Outer geometry in twips (15 twips to the pixel). For a child window the
  // position is within the frame's client area.
  double Left() const;
  double Top() const;
  double Width() const;
  double Height() const;
  void setLeft(double tw);
  void setTop(double tw);
  void setWidth(double tw);
  void setHeight(double tw);
  // Centred on the screen width, at the top of the client area.
  void placeTopCentre();

 protected:
  // Handlers a window overrides. cancel = true refuses the unload.
  virtual void Form_Load() {}
  virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
  virtual void Form_Unload(bool& cancel) { (void)cancel; }

 private:
  friend class Forms;
  enum class State { Constructed, Loading, Loaded, Unloading, Unloaded };
  QWidget* window_;
  Kind kind_;
  State state_ = State::Constructed;
  QPointer<QMdiSubWindow> sub_;
  FormNotifier notifier_;
  QObject* closeFilter_ = nullptr;
};

// The first control of a window in tab order that can take the focus now
// (shown, enabled, reached by Tab), or nullptr.
QWidget* firstTabStop(QWidget* window);
// Puts the focus on that control; false when the window has none.
bool focusFirstControl(QWidget* window);

// The registry of loaded windows.
class Forms {
 public:
  // The loaded instance of T, loading it (and running its Form_Load) first
  // when it is not loaded.
  template <class T>
  static T* get() {
    if (T* f = find<T>()) return f;
    T* f = static_cast<T*>(takeSpare(typeid(T)));
    if (!f) f = new T();
    add(typeid(T), f);
    load(f);
    return f;
  }
  // Builds a T now, out of sight and not loaded, for the next get<T>() to
  // load instead of building one then. A window whose controls take a while
  // to build is readied so in idle time; one spare is kept at most.
  template <class T>
  static void keepSpare() {
    if (!hasSpare(typeid(T))) putSpare(typeid(T), new T());
  }
  template <class T>
  static bool hasSpare() {
    return hasSpare(typeid(T));
  }
  // The loaded instance of T, or nullptr; never loads.
  template <class T>
  static T* find() {
    return static_cast<T*>(lookup(typeid(T)));
  }
  template <class T>
  static bool isLoaded() {
    return find<T>() != nullptr;
  }
  // Unload T if it is loaded. Returns false when the window refused.
  template <class T>
  static bool unload() {
    T* f = find<T>();
    return f ? unload(f) : true;
  }
  static bool unload(Form* f);
  // By window name (its objectName), for windows the caller does not know
  // the class of. A name that is not loaded is passed over.
  static Form* findByName(const QString& name);
  static bool unloadByName(const QString& name);
  // The loaded windows, in the order they were loaded.
  static std::vector<Form*> loadedForms();
  // Where child windows go; set by the main window's module.
  static void setMdiHostProvider(std::function<QMdiArea*()> provider);
  // Drop every window at once, spares too (tests, between cases).
  static void destroyAll();

 private:
  static void add(std::type_index type, Form* f);
  static Form* lookup(std::type_index type);
  static bool hasSpare(std::type_index type);
  static void putSpare(std::type_index type, Form* f);
  static Form* takeSpare(std::type_index type);
  static void load(Form* f);
};

}  // namespace platform
