#include "markingdialog.h"

#include "markingreading.h"
#include "markingwording.h"
#include "smdwording.h"
#include "valuereader.h"
#include "wording.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace Velmora {

namespace {

// The combo box's rows: "non so" first, as most parts in a drawer are.
constexpr int Unknown = -1;

} // namespace

MarkingDialog::MarkingDialog(QWidget *parent)
    : ToolDialog(QStringLiteral("MarkingDialog"), tr("Leggi marcatura"), parent)
{
    buildControls();
    connect(m_code, &QLineEdit::textChanged, this, &MarkingDialog::refresh);
    connect(m_component, &QComboBox::currentIndexChanged, this, &MarkingDialog::refresh);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
}

// The labels that change carry no accessible name or description: a screen
// reader then says their text, and hears when it changes.
void MarkingDialog::buildControls()
{
    auto *grid = new QGridLayout(body());

    addTitle(grid, tr("LEGGI MARCATURA"), 2);

    m_code = new QLineEdit(this);
    m_code->setObjectName(QStringLiteral("codeEdit"));
    m_code->setPlaceholderText(tr("104, 2A473J, 4R7, X7R 104, 01C oppure un valore, 4K7"));
    m_code->setMaxLength(int(MostCharacters));
    m_code->setAccessibleName(tr("Marcatura"));
    grid->addWidget(caption(tr("&Marcatura:"), m_code, QStringLiteral("codeCaption")), 1, 0);
    grid->addWidget(m_code, 1, 1);

    m_component = new QComboBox(this);
    m_component->setObjectName(QStringLiteral("componentBox"));
    m_component->setAccessibleName(tr("Componente"));
    m_component->addItem(tr("non so"), Unknown);
    for (PartKind kind : {PartKind::Resistor, PartKind::Capacitor, PartKind::Inductor})
        m_component->addItem(MarkingWording::kind(kind), int(kind));
    grid->addWidget(caption(tr("C&omponente:"), m_component, QStringLiteral("componentCaption")), 2, 0);
    grid->addWidget(m_component, 2, 1, Qt::AlignLeft);

    m_readings = new QTreeWidget(this);
    m_readings->setObjectName(QStringLiteral("readingsTree"));
    m_readings->setAccessibleName(tr("Letture"));
    m_readings->setHeaderLabels(
        {tr("Valore"), tr("Tolleranza"), tr("Tensione"), tr("Dielettrico"), tr("Serie"), tr("Formato"), tr("Tabella")});
    m_readings->setRootIsDecorated(false);
    m_readings->setItemsExpandable(false);
    m_readings->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_readings->setMinimumSize(720, 10 * fontMetrics().lineSpacing());
    grid->addWidget(caption(tr("&Letture:"), m_readings, QStringLiteral("readingsCaption")), 3, 0, 1, 2);
    grid->addWidget(m_readings, 4, 0, 1, 2);

    m_hint = wrappingLabel(QStringLiteral("hintLabel"), 3);
    grid->addWidget(m_hint, 5, 0, 1, 2);
    m_markings = wrappingLabel(QStringLiteral("markingsLabel"), 2);
    grid->addWidget(m_markings, 6, 0, 1, 2);
    m_message = wrappingLabel(QStringLiteral("messageLabel"), 2);
    grid->addWidget(m_message, 7, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    m_close = button(tr("C&hiudi"), QStringLiteral("closeButton"));
    QHBoxLayout *buttons = buttonRow();
    buttons->addStretch(1);
    buttons->addWidget(m_close);
}

void MarkingDialog::refresh()
{
    const QString typed = m_code->text();
    const int chosen = m_component->currentData().toInt();
    const std::optional<PartKind> asked = chosen == Unknown ? std::nullopt : std::optional(PartKind(chosen));
    const MarkingReadings marking = readMarking(typed.toStdString(), asked);

    m_readings->clear();
    QTreeWidgetItem *group = nullptr;
    for (const MarkingReading &r : marking.readings) {
        if (!group || group->data(0, Qt::UserRole).toInt() != int(r.component)) {
            group = new QTreeWidgetItem(m_readings, {MarkingWording::heading(r.component)});
            group->setData(0, Qt::UserRole, int(r.component));
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setFlags(Qt::ItemIsEnabled);
        }
        new QTreeWidgetItem(group,
            {r.part ? MarkingWording::value(r.part->value) : QString(), MarkingWording::tolerance(r),
                MarkingWording::voltage(r), MarkingWording::dielectric(r), MarkingWording::series(r),
                MarkingWording::format(r), MarkingWording::source(r)});
    }
    m_readings->expandAll();
    m_hint->setText(MarkingWording::tellApart(marking));

    // A resistance typed as a value gets its SMD codes, unless it is what a
    // code says, as the SMD codes always did here.
    const bool resistors = !asked || *asked == PartKind::Resistor;
    const ValueReading value = Wording::read(typed);
    const bool sameAsCode = std::any_of(marking.readings.begin(), marking.readings.end(),
        [&](const MarkingReading &r) { return r.smd && value.value && sameValue(r.smd->value, *value.value); });
    const bool showCodes = resistors && value.value && !sameAsCode;
    m_markings->setText(showCodes ? SmdWording::markings(*value.value, smdMarkings(*value.value)) : QString());

    // Neither a marking nor a value: why, or the value reader's reason where
    // the text was plainly meant as a value ("4.700", "-470").
    QString message;
    if (marking.readings.empty() && !showCodes)
        message = resistors && value.error != ReadError::Malformed && value.error != ReadError::Empty
            ? Wording::readRefusal(value, typed)
            : MarkingWording::refusal(marking, asked, typed);
    m_message->setText(message);
}

} // namespace Velmora
