#include "combinetool.h"

#include "combinedialog.h"
#include "toolcontext.h"

namespace Velmora {

namespace {

ToolDialog *create(ToolContext &context)
{
    auto *dialog = new CombineDialog(context.window());
    dialog->setScheme(context.reading().scheme);
    dialog->setDrawer(context.drawer());
    QObject::connect(&context, &ToolContext::readingChanged, dialog,
        [dialog](const Reading &reading) { dialog->setScheme(reading.scheme); });
    QObject::connect(&context, &ToolContext::drawerChanged, dialog, &CombineDialog::setDrawer);
    return dialog;
}

} // namespace

ToolEntry combineTool()
{
    return {QStringLiteral("Combina &resistori…"), QKeySequence(Qt::CTRL | Qt::Key_R), create};
}

} // namespace Velmora
