#include "shell/modRTBAutoUrlDetect.h"

#include "platform/RichTextBox.h"
#include "platform/Services.h"
#include "shell/modHelp.h"

void modRTBAutoUrlDetect::EnableUrlDetect(platform::RichTextBox* rtb, QWidget* parent) {
  shell::UrlDetectSlot& slot = shell::shellState().urlDetect;
  if (slot.on && slot.box) return;
  if (!rtb) return;
  slot.on = true;
  slot.box = rtb;
  slot.parent = parent;
  slot.clicks = QObject::connect(rtb, &platform::RichTextBox::urlClicked, rtb, &OpenClickedAddress);
  rtb->setUrlDetect(true);
}

void modRTBAutoUrlDetect::DisableUrlDetect() {
  shell::UrlDetectSlot& slot = shell::shellState().urlDetect;
  if (!slot.on) return;
  slot.on = false;
  QObject::disconnect(slot.clicks);
  if (slot.box) slot.box->setUrlDetect(false);
}

void modRTBAutoUrlDetect::OpenClickedAddress(const QString& linkText) {
  const QUrl url = platform::webAddressToOpen(linkText);
  if (url.isValid()) platform::OpenUrl(url);
}
