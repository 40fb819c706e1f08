#include "smddialog.h"

#include "layoutfont.h"
#include "smdcode.h"
#include "smdwording.h"
#include "valuereader.h"
#include "wording.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace Velmora {

SmdDialog::SmdDialog(QWidget *parent)
    : ToolDialog(QStringLiteral("SmdDialog"), tr("Codice SMD"), parent)
{
    buildControls();
    connect(m_code, &QLineEdit::textChanged, this, &SmdDialog::refresh);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

// The labels that change carry no accessible name or description: a screen
// reader then says their text, and hears when it changes.
void SmdDialog::buildControls()
{
    auto *grid = new QGridLayout(body());

    addTitle(grid, tr("CODICE SMD"), 2);

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("codeEdit"));
    m_code->setPlaceholderText(tr("472, 4701, 4R7, 01C oppure un valore, 4K7"));
    m_code->setMaxLength(int(MostCharacters));
    m_code->setAccessibleName(tr("Codice"));
    auto *caption = new QLabel(tr("&Codice:"), this);
    caption->setObjectName(QStringLiteral("codeCaption"));
    caption->setBuddy(m_code);
    grid->addWidget(caption, 1, 0);
    grid->addWidget(m_code, 1, 1);

    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const int n = int(i) + 1;
        m_values[i] = new QLabel(this);
        m_values[i]->setObjectName(QStringLiteral("reading%1Value").arg(n));
        m_values[i]->setFont(layoutFont(Layout::Font::Bold13_5));
        m_details[i] = wrappingLabel(QStringLiteral("reading%1Details").arg(n), 2);
        grid->addWidget(m_values[i], 2 + 2 * n - 2, 0, 1, 2);
        grid->addWidget(m_details[i], 2 + 2 * n - 1, 0, 1, 2);
    }

    m_markings = wrappingLabel(QStringLiteral("markingsLabel"), 3);
    grid->addWidget(m_markings, 6, 0, 1, 2);
    m_message = wrappingLabel(QStringLiteral("messageLabel"), 3);
    grid->addWidget(m_message, 7, 0, 1, 2);

    m_close = button(tr("C&hiudi"), QStringLiteral("closeButton"));
    QHBoxLayout *buttons = buttonRow();
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    // As wide as the four-band window, like the value dialog.
    const QMargins margins = grid->contentsMargins();
    for (QLabel *label : {m_details[0], m_details[1], m_markings, m_message})
        label->setFixedWidth(433 - margins.left() - margins.right());
}

void SmdDialog::refresh()
{
    const QString typed = m_code->text();
    const SmdCode code = readSmdCode(typed.toStdString());
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const bool shown = i < code.readings.size();
        const SmdReading *r = shown ? &code.readings[i] : nullptr;
        m_values[i]->setText(shown ? Wording::quantity(partOf(*r, typed.toStdString()).value) : QString());
        m_details[i]->setText(shown ? SmdWording::details(code, *r) : QString());
    }

    // A value typed here gets its codes, unless it is what the code says.
    const ValueReading value = Wording::read(typed);
    const bool sameAsCode = value.value
        && std::any_of(code.readings.begin(), code.readings.end(),
            [&](const SmdReading &r) { return sameValue(r.value, *value.value); });
    m_markings->setText(
        value.value && !sameAsCode ? SmdWording::markings(*value.value, smdMarkings(*value.value)) : QString());

    // Neither a code nor a value: the code's refusal, or the value reader's
    // where the text was plainly meant as a value ("4.700", "-470").
    QString message;
    if (readsTwoValues(code))
        message = SmdWording::ambiguous();
    else if (code.readings.empty() && !value.value)
        message = value.error == ReadError::Malformed || value.error == ReadError::Empty
            ? SmdWording::refusal(code, typed)
            : Wording::readRefusal(value, typed);
    m_message->setText(message);
}

} // namespace Velmora
