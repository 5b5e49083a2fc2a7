#include "core/project_loader.h"

namespace core {

void LoadProject() {}

void RemovePlaceholderFolders() {}

}  // namespace core
