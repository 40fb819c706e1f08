#pragma once

#include "drawer.h"
#include "tooldialog.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace Velmora {

class DrawerStore;

// The person's drawer: a table of the values they own and how many, edited
// in place, with values added, removed, filled from a series, imported and
// exported as CSV. Every change goes to the store, which saves it.
class DrawerDialog : public ToolDialog
{
    Q_OBJECT

public:
    explicit DrawerDialog(DrawerStore &store, QWidget *parent = nullptr);

    // What the buttons do once the file or the series is chosen; each
    // false when refused, with the reason on show and the drawer as it was.
    bool importFile(const QString &path, bool replace);
    // The file into the drawer, asking first whether to replace or add to
    // what it holds, if anything.
    void importAsking(const QString &path);
    bool exportFile(const QString &path);
    bool fillFromSeries(ESeries series, const QString &low, const QString &high, int count);

private:
    void buildControls();
    void refresh();
    void addTyped();
    void removeSelected();
    // A cell edited in place, applied once its editor has closed.
    void applyEdit(int row, int column, const QString &text, int count);
    void chooseImport();
    void chooseExport();
    void chooseSeries();
    // The store's message where a change was not saved, else done.
    void report(bool saved, const QString &done);
    // Reads a typed value, or shows why not.
    std::optional<Decimal> typedValue(const QString &typed);

    DrawerStore &m_store;
    QTableWidget *m_table = nullptr;
    QLineEdit *m_value = nullptr;
    QSpinBox *m_count = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_fill = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_message = nullptr;
    std::optional<Decimal> m_selectAfter; // the line to select once the table is rebuilt
};

} // namespace Velmora
