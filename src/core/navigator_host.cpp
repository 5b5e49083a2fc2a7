#include "core/navigator_host.h"

namespace core {

namespace {
NavigatorHost* gHost = nullptr;
}  // namespace

NavigatorHost* CurrentNavigatorHost() { return gHost; }
void SetNavigatorHost(NavigatorHost* host) { gHost = host; }

}  // namespace core
