#include "smdtool.h"

#include "smddialog.h"
#include "toolcontext.h"

namespace Velmora {

namespace {

ToolDialog *create(ToolContext &context)
{
    return new SmdDialog(context.window());
}

} // namespace

ToolEntry smdTool()
{
    return {QStringLiteral("Codice &SMD…"), QKeySequence(Qt::CTRL | Qt::Key_M), create};
}

} // namespace Velmora
