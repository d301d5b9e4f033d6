#include "App.h"

#include "system/Runtime.h"

namespace {
// Where the two Help commands lead. The hosts and the account are ours to
// choose; the rest of each address is fixed.
constexpr auto DonationHost = "donate.example.org";
constexpr auto DonationAccount = "QUENDLEMAKER01";
constexpr auto WebsiteHost = "quendle.example.org";
} // namespace

QString App::DonationURL() {
    // Built by concatenation: "%20" must reach the browser as it stands.
    return QStringLiteral("https://") + QLatin1String(DonationHost) +
           QStringLiteral("/cgi-bin/webscr?cmd=_donations&business=") +
           QLatin1String(DonationAccount) +
           QStringLiteral("&lc=US&item_name=Quendle%20Development&currency_code=USD");
}

QString App::WebsiteURL() {
    return QStringLiteral("http://") + QLatin1String(WebsiteHost);
}

bool App::HelpDonate_Action() {
    ShowURL(DonationURL());
    return true;
}

bool App::HelpVisitWebsite_Action() {
    ShowURL(WebsiteURL());
    return true;
}

App& TheApp() {
    return static_cast<App&>(*Application::Instance());
}
