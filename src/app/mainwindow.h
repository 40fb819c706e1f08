#pragma once

#include "reading.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QAction;
class QActionGroup;
class QMenuBar;
class QVBoxLayout;

namespace Velmora {

class BandForm;
class DrawerDialog;
class DrawerStore;
class LabelsDialog;
class ToolContext;
class ToolDialog;

// The program's window: a menu bar over the band form on show. A plain
// widget with a layout, not a QMainWindow, whose dock and toolbar machinery
// would cost start-up time for nothing. The four-band form is built at
// start; the form of every other registered scheme when first chosen.
// Each keeps its choices and result while another is shown, and the window
// holds each one's reading for the tools, which know the forms through it
// and the window only through their context.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    BandForm *currentForm() const { return m_current; }
    QMenuBar *menuBar() const { return m_menuBar; }
    // Shows a scheme's form, building it on first use.
    void showForm(SchemeId scheme);

private:
    void buildMenus();
    void copyValue();
    void updateCopyAction();
    void showAbout();
    void openTool(std::size_t index);
    void openDrawer();
    void openLabels();
    void reportDrawerFile();
    void showInItsWindow(const Reading &reading);
    void readingChanged(BandForm *form, const Reading &reading);

    QVBoxLayout *m_layout = nullptr;
    QMenuBar *m_menuBar = nullptr;
    // Per scheme, in the registry's order.
    std::vector<BandForm *> m_forms;
    std::vector<Reading> m_readings;
    std::vector<QPointer<QWidget>> m_lastFocus; // while another is shown
    BandForm *m_current = nullptr;
    QAction *m_copy = nullptr;
    QActionGroup *m_bands = nullptr;
    ToolContext *m_toolContext = nullptr;
    std::vector<QPointer<ToolDialog>> m_tools; // by registered tool, once opened
    DrawerStore *m_drawer = nullptr;
    QPointer<DrawerDialog> m_drawerDialog; // once opened
    QPointer<LabelsDialog> m_labelsDialog; // once opened
};

} // namespace Velmora
