#pragma once
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {
class RichTextBox;
}

// Clickable web addresses in one report box at a time.

namespace shell {

// The program's one slot for a report box with clickable addresses. Part of
// the shell's program-wide state (ShellState).
struct UrlDetectSlot {
  bool on = false;
  QPointer<platform::RichTextBox> box;
  QPointer<QWidget> parent;  // the window that holds the box
  QMetaObject::Connection clicks;
};

}  // namespace shell

namespace modRTBAutoUrlDetect {

// Makes the addresses in rtb clickable, unless another box already holds the
// slot (then nothing changes). A box that has been destroyed frees the slot.
void EnableUrlDetect(platform::RichTextBox* rtb, QWidget* parent);
// Frees the slot, whichever window calls it; nothing when it is free.
void DisableUrlDetect();
// What a click on an address does: http and https addresses open as they
// stand, www addresses with "http://" in front; any other text (another
// scheme, since report texts carry what users typed) is ignored.
void OpenClickedAddress(const QString& linkText);

}  // namespace modRTBAutoUrlDetect
