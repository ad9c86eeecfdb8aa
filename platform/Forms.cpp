#include "platform/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/ChildMenus.h"
#include "platform/Twips.h"

namespace platform {
namespace {

struct Entry {
  std::type_index type;
  Form* form;
  QPointer<QWidget> widget;
};

std::vector<Entry>& registry() {
  static std::vector<Entry> r;
  return r;
}

// Windows built ahead and not yet loaded, one per class.
std::vector<Entry>& spares() {
  static std::vector<Entry> r;
  return r;
}

std::function<QMdiArea*()>& hostProvider() {
  static std::function<QMdiArea*()> p;
  return p;
}

// Routes a close request (close box, Alt+F4) through the unload path, so the
// window's handlers run and may refuse.
class CloseFilter : public QObject {
 public:
  CloseFilter(Form* f, QObject* parent) : QObject(parent), form_(f) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Close && form_->isLoaded()) {
      e->ignore();
      Forms::unload(form_);
      return true;
    }
    return false;
  }
 private:
  Form* form_;
};

void removeEntry(Form* f) {
  auto& r = registry();
  for (auto it = r.begin(); it != r.end(); ++it)
    if (it->form == f) {
      r.erase(it);
      return;
    }
}

}  // namespace

Form::Form(QWidget* window, Kind kind) : window_(window), kind_(kind) {}

Form::~Form() { removeEntry(this); }

QWidget* Form::frame() const {
  if (sub_) return sub_;
  return window_;
}

void Form::Show() {
  if (!isLoaded() && state_ != State::Loading) return;
  if (sub_) sub_->show();
  window_->show();
  frame()->raise();
  if (!QGuiApplication::platformName().startsWith(QLatin1String("offscreen")))
    frame()->activateWindow();
  if (sub_ && sub_->mdiArea()) sub_->mdiArea()->setActiveSubWindow(sub_);
  // A window handed over to starts on its first control.
  focusFirstControl(window_);
}

void Form::ShowModal() {
  if (!isLoaded()) return;
  frame()->setWindowModality(Qt::ApplicationModal);
  // A top-level modal window stays above the window that asked for it.
  QWidget* owner = QApplication::activeWindow();
  if (frame()->isWindow() && owner && owner != frame()) {
    frame()->winId();
    if (QWindow* handle = frame()->windowHandle())
      handle->setTransientParent(owner->window()->windowHandle());
  }
  Show();
  QEventLoop loop;
  QObject::connect(&notifier_, &FormNotifier::unloaded, &loop, &QEventLoop::quit);
  if (isLoaded()) loop.exec();
}

QWidget* firstTabStop(QWidget* window) {
  if (!window) return nullptr;
  for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
    if (!window->isAncestorOf(w) || w->focusProxy()) continue;
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window)) return w;
  }
  return nullptr;
}

bool focusFirstControl(QWidget* window) {
  QWidget* w = firstTabStop(window);
  if (!w) return false;
  w->setFocus(Qt::TabFocusReason);
  return true;
}

void Form::Hide() { frame()->hide(); }

bool Form::FormVisible() const { return frame()->isVisible(); }

double Form::Left() const { return twLeft(frame()); }
double Form::Top() const { return twTop(frame()); }
double Form::Width() const { return twWidth(frame()); }
double Form::Height() const { return twHeight(frame()); }
void Form::setLeft(double tw) { setTwLeft(frame(), tw); }
void Form::setTop(double tw) { setTwTop(frame(), tw); }
void Form::setWidth(double tw) { setTwWidth(frame(), tw); }
void Form::setHeight(double tw) { setTwHeight(frame(), tw); }

void Form::placeTopCentre() {
  setLeft((screenWidthTwips() - Width()) / 2);
  setTop(0);
}

void Forms::add(std::type_index type, Form* f) {
  registry().push_back(Entry{type, f, f->formWidget()});
}

Form* Forms::lookup(std::type_index type) {
  for (const Entry& e : registry())
    if (e.type == type && e.widget && (e.form->state_ == Form::State::Loaded ||
                                       e.form->state_ == Form::State::Loading))
      return e.form;
  return nullptr;
}

namespace {

// The spare of a type, dropping any whose window is gone.
std::vector<Entry>::iterator spareOf(std::type_index type) {
  auto& r = spares();
  r.erase(std::remove_if(r.begin(), r.end(), [](const Entry& e) { return !e.widget; }), r.end());
  return std::find_if(r.begin(), r.end(), [type](const Entry& e) { return e.type == type; });
}

}  // namespace

bool Forms::hasSpare(std::type_index type) { return spareOf(type) != spares().end(); }

void Forms::putSpare(std::type_index type, Form* f) {
  spares().push_back(Entry{type, f, f->formWidget()});
}

Form* Forms::takeSpare(std::type_index type) {
  const auto it = spareOf(type);
  if (it == spares().end()) return nullptr;
  Form* f = it->form;
  spares().erase(it);
  return f;
}

void Forms::load(Form* f) {
  f->state_ = Form::State::Loading;
  QWidget* w = f->formWidget();
  if (f->kind() == Form::Kind::MdiChild && hostProvider()) {
    if (QMdiArea* area = hostProvider()()) {
      f->sub_ = area->addSubWindow(w);
      f->sub_->setAttribute(Qt::WA_DeleteOnClose, false);
      f->sub_->setWindowTitle(w->windowTitle());
      f->sub_->setWindowIcon(w->windowIcon());
      f->sub_->setObjectName(w->objectName() + QStringLiteral("_frame"));
      QObject::connect(w, &QWidget::windowTitleChanged, f->sub_.data(),
                       &QWidget::setWindowTitle);
      // A child's menus show in the frame's menu bar, never in a bar of
      // their own; hidden now, the bar takes no room when the window sizes
      // itself in its load handler.
      if (QMenuBar* own = declaredMenuBar(w)) own->hide();
    }
  }
  f->closeFilter_ = new CloseFilter(f, w);
  f->frame()->installEventFilter(f->closeFilter_);
  f->Form_Load();
  if (f->state_ != Form::State::Loading) return;  // unloaded itself while loading
  f->state_ = Form::State::Loaded;
  // A child window becomes visible once it is loaded.
  QWidget* outer = f->frame();
  const bool hiddenOnPurpose =
      outer->testAttribute(Qt::WA_WState_ExplicitShowHide) && outer->isHidden();
  if (f->kind() == Form::Kind::MdiChild && !hiddenOnPurpose) f->Show();
  emit f->notifier()->loaded();
}

bool Forms::unload(Form* f) {
  if (!f || !(f->state_ == Form::State::Loaded || f->state_ == Form::State::Loading))
    return true;  // not loaded, or already on its way out
  const Form::State before = f->state_;
  f->state_ = Form::State::Unloading;

  bool cancel = false;
  f->Form_QueryUnload(cancel);
  if (cancel) {
    f->state_ = before;
    return false;
  }
  // The frame window unloads its child windows before its own unload handler.
  if (f->kind() == Form::Kind::MdiHost) {
    for (Form* child : loadedForms())
      if (child->kind() == Form::Kind::MdiChild) unload(child);
  }
  f->Form_Unload(cancel);
  if (cancel) {
    f->state_ = before;
    return false;
  }
  f->state_ = Form::State::Unloaded;
  removeEntry(f);
  QWidget* outer = f->frame();
  outer->hide();
  if (f->sub_ && f->sub_->mdiArea()) f->sub_->mdiArea()->removeSubWindow(f->sub_);
  emit f->notifier()->unloaded();
  outer->deleteLater();
  if (outer != f->formWidget()) f->formWidget()->deleteLater();
  return true;
}

Form* Forms::findByName(const QString& name) {
  for (Form* f : loadedForms())
    if (f->formWidget()->objectName() == name) return f;
  return nullptr;
}

bool Forms::unloadByName(const QString& name) {
  Form* f = findByName(name);
  return f ? unload(f) : true;
}

std::vector<Form*> Forms::loadedForms() {
  std::vector<Form*> out;
  for (const Entry& e : registry())
    if (e.widget && (e.form->state_ == Form::State::Loaded ||
                     e.form->state_ == Form::State::Loading))
      out.push_back(e.form);
  return out;
}

void Forms::setMdiHostProvider(std::function<QMdiArea*()> provider) {
  hostProvider() = std::move(provider);
}

void Forms::destroyAll() {
  std::vector<Entry> all = registry();
  registry().clear();
  for (Entry& e : spares()) delete e.widget.data();
  spares().clear();
  for (Entry& e : all) {
    if (!e.widget) continue;
    e.form->state_ = Form::State::Unloaded;
    QWidget* outer = e.form->frame();
    if (outer != e.widget.data()) delete outer;  // deletes the child too
    else delete e.widget.data();
  }
}

}  // namespace platform
