#include "valuetool.h"

#include "toolcontext.h"
#include "valuedialog.h"

namespace Velmora {

namespace {

ToolDialog *create(ToolContext &context)
{
    auto *dialog = new ValueDialog(context.window());
    dialog->setReading(context.reading());
    QObject::connect(&context, &ToolContext::readingChanged, dialog, &ValueDialog::setReading);
    QObject::connect(dialog, &ValueDialog::applyRequested, &context, &ToolContext::applyRequested);
    QObject::connect(dialog, &ValueDialog::moreBandsRequested, &context, &ToolContext::schemeRequested);
    return dialog;
}

} // namespace

ToolEntry valueTool()
{
    return {QStringLiteral("Da &valore a colori…"), QKeySequence(Qt::CTRL | Qt::Key_K), create};
}

} // namespace Velmora
