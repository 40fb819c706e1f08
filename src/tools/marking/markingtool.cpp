#include "markingtool.h"

#include "markingdialog.h"
#include "toolcontext.h"

namespace Velmora {

namespace {

ToolDialog *create(ToolContext &context)
{
    return new MarkingDialog(context.window());
}

} // namespace

// Ctrl+M, the key the SMD codes had before this window took them in.
ToolEntry markingTool()
{
    return {QStringLiteral("Leggi &marcatura…"), QKeySequence(Qt::CTRL | Qt::Key_M), create};
}

} // namespace Velmora
