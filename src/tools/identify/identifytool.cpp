#include "identifytool.h"

#include "identifydialog.h"
#include "toolcontext.h"

namespace Velmora {

namespace {

ToolDialog *create(ToolContext &context)
{
    auto *dialog = new IdentifyDialog(context.window());
    QObject::connect(dialog, &IdentifyDialog::applyRequested, &context, &ToolContext::showRequested);
    return dialog;
}

} // namespace

ToolEntry identifyTool()
{
    return {QStringLiteral("&Identifica resistore…"), QKeySequence(Qt::CTRL | Qt::Key_I), create};
}

} // namespace Velmora
