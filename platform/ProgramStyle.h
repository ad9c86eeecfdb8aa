#pragma once
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <list>

class QApplication;

namespace platform {

// The program's style: the platform's default style, except that a scroll
// bar's drawing is kept and drawn again while the bar looks the same.
// Drawing a scroll bar afresh takes many times as long as drawing a kept
// picture of it, and a reading repaints several large ones. The standard icons
// (a child window's system menu, a menu bar's overflow button) are made
// once: the default style reads them from their files each time a child
// window or menu bar is built.
class ProgramStyle : public QProxyStyle {
  Q_OBJECT

 public:
  ProgramStyle();
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

  // How many drawings are kept at most, and how many are kept now.
  static constexpr int kKept = 12;
  int keptCount() const { return int(kept_.size()); }

 private:
  struct Drawing {
    QByteArray look;  // what the bar looks like, byte for byte
    QPixmap picture;
  };
  mutable std::list<Drawing> kept_;  // most recently drawn first
  // Keyed by the icon and the layout direction it was made for.
  mutable QHash<int, QIcon> icons_;
};

// Sets the program's style on the application.
void installProgramStyle(QApplication& app);

}  // namespace platform
