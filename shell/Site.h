#pragma once
#include <QString>

// The maker's web site. Its base address is set once, at build time.
namespace shell {

// Scheme and host, no trailing slash ("https://www.quorvale.example").
QString siteBase();
// The host ("www.quorvale.example").
QString siteHost();
// The bare domain, without a leading web-server label ("quorvale.example").
QString siteDomain();
// The address of one page of the site: base + "/auravane/ssd.php?page=" + key.
QString pageAddress(const QString& pageKey);

}  // namespace shell
