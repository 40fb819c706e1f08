#include "registeredtools.h"

#include "combinetool.h"
#include "identifytool.h"
#include "markingtool.h"
#include "valuetool.h"

namespace Velmora {

// A new tool is its folder under src/tools (named in src/tools/CMakeLists.txt),
// its library linked in this folder's CMakeLists.txt, and its entry here.
const std::vector<ToolEntry> &registeredTools()
{
    static const std::vector<ToolEntry> tools {
        valueTool(),
        markingTool(),
        identifyTool(),
        combineTool(),
    };
    return tools;
}

} // namespace Velmora
