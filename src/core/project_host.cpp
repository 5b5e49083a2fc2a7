#include "core/project_host.h"

namespace core {

namespace {
ProjectHost* gHost = nullptr;
}  // namespace

ProjectHost* CurrentProjectHost() { return gHost; }
void SetProjectHost(ProjectHost* host) { gHost = host; }

}  // namespace core
