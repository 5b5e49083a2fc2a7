// Opening an address in Internet Explorer through its automation object:
// the help items' way when the browser cannot be found.
#pragma once

#include <functional>
#include <string>

namespace core {

inline constexpr char kInternetExplorerProgId[] = "InternetExplorer.Application";

// Creates the automation object of progId, navigates it to url and makes
// it visible. A step that fails is passed over; false when the object
// could not be created.
bool NavigateAutomationBrowser(const std::string& url, const std::string& progId = kInternetExplorerProgId);

// What the help items call when the browser is missing:
// NavigateAutomationBrowser with Internet Explorer. Tests replace it.
extern std::function<void(const std::string& url)> AddressFallback;

}  // namespace core
