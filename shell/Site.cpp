#include "shell/Site.h"

#include <QUrl>

namespace shell {

QString siteBase() {
  QString base = QStringLiteral(AURAVANE_SITE_URL);
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  return base;
}

QString siteHost() { return QUrl(siteBase()).host(); }

QString siteDomain() {
  QString host = siteHost();
  if (host.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) host = host.mid(4);
  return host;
}

QString pageAddress(const QString& pageKey) {
  return siteBase() + QStringLiteral("/auravane/ssd.php?page=") + pageKey;
}

}  // namespace shell
