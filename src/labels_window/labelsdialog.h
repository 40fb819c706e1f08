#pragma once

#include "drawer.h"
#include "labelcalibration.h"
#include "labelcontent.h"
#include "labelpdf.h"
#include "labelsheet.h"
#include "tooldialog.h"

#include <array>
#include <memory>
#include <optional>
#include <set>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace Velmora {

class LabelPages;
class LabelPreview;
class SheetMap;
class ToolContext;

// Labels for the drawer's bags: the values of a series, typed, or the
// drawer's; the sheet they go on, by maker and part or a grid of the
// person's; what each label says; the positions of a sheet already used;
// the printer's correction. The first page shows as it will print, and
// prints, previews or goes to a PDF.
class LabelsDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit LabelsDialog(ToolContext &context, QWidget *parent = nullptr);
    ~LabelsDialog() override;

    // The labels as a PDF at the path, once the file is chosen; refused
    // without writing when there is nothing printable.
    PdfOutcome exportPdf(const QString &path);
    // What would print now; none without a sheet to print on.
    const LabelPages *pages() const { return m_pages.get(); }

private:
    void buildControls();
    QGridLayout *buildSource();
    QGridLayout *buildSheet();
    QWidget *buildCustomGrid();
    QGridLayout *buildContent();
    QGridLayout *buildPositions();
    QGridLayout *buildCalibration();
    void refresh();
    // The values the source gives, or why none: the refusal on show.
    std::optional<std::vector<Decimal>> values();
    // The sheet chosen, or why none: the refusal on show.
    std::optional<LabelSheet> sheet();
    LabelContent content() const;
    void skipChanged(int skip);
    void toggleUsed(int position);
    void calibrationChanged();
    void paintAll(QPrinter *printer) const;
    void previewPrint();
    void print();
    void chooseExport();
    void previewCalibration();

    Drawer m_drawer;
    std::shared_ptr<LabelPages> m_pages;
    std::set<int> m_used;
    int m_perSheet = 0; // of the sheet the used positions are for
    bool m_printable = false;

    QRadioButton *m_fromSeries = nullptr;
    QRadioButton *m_fromValues = nullptr;
    QRadioButton *m_fromDrawer = nullptr;
    QComboBox *m_series = nullptr;
    QLineEdit *m_low = nullptr;
    QLineEdit *m_high = nullptr;
    QLineEdit *m_typed = nullptr;
    QLabel *m_drawerNote = nullptr;
    QCheckBox *m_repeat = nullptr;
    QLabel *m_sourceMessage = nullptr;
    QLabel *m_count = nullptr;

    QComboBox *m_sheetBox = nullptr;
    QLabel *m_sheetDetails = nullptr;
    QWidget *m_custom = nullptr;
    QComboBox *m_paper = nullptr;
    QSpinBox *m_columns = nullptr;
    QSpinBox *m_rows = nullptr;
    std::array<QDoubleSpinBox *, 6> m_lengths {}; // width, height, left, top, gap across, gap down

    std::array<QCheckBox *, 7> m_content {};
    QComboBox *m_tolerance = nullptr;

    QSpinBox *m_skip = nullptr;
    SheetMap *m_map = nullptr;

    QDoubleSpinBox *m_offsetX = nullptr;
    QDoubleSpinBox *m_offsetY = nullptr;
    QDoubleSpinBox *m_scale = nullptr;
    QPushButton *m_calibrationPage = nullptr;

    LabelPreview *m_preview = nullptr;
    QPushButton *m_printPreview = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Velmora
