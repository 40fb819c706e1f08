#include "mainwindow.h"

#include "drawerdialog.h"
#include "drawerstore.h"
#include "form1.h"
#include "labelsdialog.h"
#include "layoutfont.h"
#include "registeredtools.h"
#include "schemeregistry.h"
#include "terminalcommands.h"
#include "toolcontext.h"
#include "tooldialog.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace Velmora {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_menuBar(new QMenuBar(this))
    , m_toolContext(new ToolContext(this))
    , m_drawer(new DrawerStore(DrawerStore::defaultPath(), this))
{
    const std::size_t schemes = schemeRegistry().size();
    m_forms.resize(schemes);
    m_lastFocus.resize(schemes);
    for (const SchemeEntry &entry : schemeRegistry())
        m_readings.push_back(Reading {entry.id});
    auto *form1 = new Form1(this);
    m_forms.at(schemeIndex(SchemeId::FourBands)) = form1;
    setWindowTitle(form1->windowTitle());
    setWindowIcon(form1->windowIcon());
    connect(form1, &BandForm::readingChanged, this, [this, form1](const Reading &r) { readingChanged(form1, r); });
    // A resistor's reading goes into the window on show, or into its own
    // while another part's is.
    connect(m_toolContext, &ToolContext::applyRequested, this, [this](const Reading &r) {
        if (marksResistors(m_current->scheme()))
            m_current->setReading(r);
        else
            showInItsWindow(r);
    });
    connect(m_toolContext, &ToolContext::showRequested, this, &MainWindow::showInItsWindow);
    connect(m_toolContext, &ToolContext::schemeRequested, this, &MainWindow::showForm);
    m_toolContext->setDrawer(m_drawer->drawer());
    connect(m_drawer, &DrawerStore::changed, m_toolContext, &ToolContext::setDrawer);
    // A drawer file that cannot be read is said once the window shows.
    if (!m_drawer->message().isEmpty())
        QTimer::singleShot(0, this, &MainWindow::reportDrawerFile);
    buildMenus();
    // The window is always its form's size plus whatever the menu bar takes
    // (nothing where the desktop shows the menu elsewhere).
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setMenuBar(m_menuBar);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    showForm(SchemeId::FourBands);
}

void MainWindow::buildMenus()
{
    // The window's own small font: one face to load at start, not a second
    // one for the menu bar alone.
    menuBar()->setFont(layoutFont(Layout::Font::Default));
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Il mio &cassetto…"), this, &MainWindow::openDrawer);
    // S, not E, which is Esci's.
    file->addAction(
            QStringLiteral("&Stampa etichette…"), QKeySequence(Qt::CTRL | Qt::Key_P), this, &MainWindow::openLabels)
        ->setShortcutContext(Qt::ApplicationShortcut);
    QAction *quit = file->addAction(QStringLiteral("&Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] {
        for (ToolDialog *tool : m_tools)
            if (tool)
                tool->close();
        if (m_drawerDialog)
            m_drawerDialog->close();
        if (m_labelsDialog)
            m_labelsDialog->close();
        close();
    });
    // These work from the tools' windows too.
    quit->setShortcutContext(Qt::ApplicationShortcut);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    m_copy = edit->addAction(
        QStringLiteral("&Copia valore"), QKeySequence(Qt::CTRL | Qt::Key_C), this, &MainWindow::copyValue);

    QMenu *bands = menuBar()->addMenu(QStringLiteral("&Bande"));
    m_bands = new QActionGroup(this);
    for (const SchemeEntry &entry : schemeRegistry()) {
        const SchemeId scheme = entry.id;
        QAction *action
            = bands->addAction(QString::fromUtf8(entry.menuLabel.data(), qsizetype(entry.menuLabel.size())));
        if (entry.shortcutDigit != 0)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + entry.shortcutDigit)));
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setCheckable(true);
        action->setData(int(scheme));
        m_bands->addAction(action);
        connect(action, &QAction::triggered, this, [this, scheme] { showForm(scheme); });
    }

    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Strumenti"));
    m_tools.resize(registeredTools().size());
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        const ToolEntry &tool = registeredTools()[i];
        tools->addAction(tool.label, tool.shortcut, this, [this, i] { openTool(i); })
            ->setShortcutContext(Qt::ApplicationShortcut);
    }

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("&Informazioni su Velmora"), this, &MainWindow::showAbout);

    // F10 opens the first menu, as on the desktops Velmora runs on; Alt is
    // the style's.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(
        f10, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainWindow::showForm(SchemeId scheme)
{
    const std::size_t slot = schemeIndex(scheme);
    BandForm *&form = m_forms.at(slot);
    if (!form) {
        form = new BandForm(Layout::layoutOf(scheme), this);
        connect(form, &BandForm::readingChanged, this, [this, form](const Reading &r) { readingChanged(form, r); });
    }
    for (QAction *action : m_bands->actions())
        action->setChecked(action->data().toInt() == int(scheme));
    if (form == m_current)
        return;

    if (m_current) {
        // The form's own focus child, which stays while the dialog is active.
        m_lastFocus.at(schemeIndex(m_current->scheme())) = m_current->focusWidget();
        disconnect(m_current, &BandForm::resultChanged, this, &MainWindow::updateCopyAction);
        m_layout->removeWidget(m_current);
        m_current->hide();
    }
    m_current = form;
    m_layout->addWidget(form);
    form->show();
    connect(form, &BandForm::resultChanged, this, &MainWindow::updateCopyAction);
    updateCopyAction();
    // The tools read resistors: another part's window leaves them the last
    // resistor they saw.
    if (marksResistors(scheme))
        m_toolContext->setReading(m_readings[slot]);
    // Back to a form, the keyboard is where it was left; new, in its first list.
    QWidget *focus = m_lastFocus.at(slot);
    if (focus)
        focus->setFocus();
    else
        form->focusFirstList();
}

void MainWindow::readingChanged(BandForm *form, const Reading &reading)
{
    m_readings.at(schemeIndex(form->scheme())) = reading;
    if (form == m_current && marksResistors(reading.scheme))
        m_toolContext->setReading(reading);
}

void MainWindow::updateCopyAction()
{
    m_copy->setEnabled(!m_current->resultText().isEmpty());
}

void MainWindow::copyValue()
{
    const QString text = m_current->resultText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void MainWindow::showAbout()
{
    QStringList tools;
    for (const ToolEntry &tool : registeredTools())
        tools << QString(tool.label).remove(u'&').remove(u'…');
    QStringList commands;
    for (const QString &name : terminalCommandNames())
        commands << QStringLiteral("velmora ") + name;
    const QString lastCommand = commands.takeLast();
    QMessageBox::about(this, QStringLiteral("Informazioni su Velmora"),
        QStringLiteral("<p><b>Velmora</b> %1</p>"
                       "<p>Legge il codice colori dei resistori a 3, 4, 5 e 6 bande e degli induttori a 4 bande, e "
                       "ne mostra il valore.</p>"
                       "<p>Nel menu Strumenti: %2.</p>"
                       "<p>Nel menu File: Il mio cassetto e Stampa etichette.</p>"
                       "<p>Da terminale: %4 e %5 (velmora --help).</p>"
                       "<p>Qt %3</p>")
            .arg(QCoreApplication::applicationVersion(), tools.join(QStringLiteral(", ")),
                QString::fromLatin1(qVersion()), commands.join(QStringLiteral(", ")), lastCommand));
}

// Built on first use, so start-up does not pay for it; modeless, so the
// person can use it, look at the window and go on.
void MainWindow::openTool(std::size_t index)
{
    QPointer<ToolDialog> &tool = m_tools.at(index);
    if (!tool)
        tool = registeredTools().at(index).create(*m_toolContext);
    tool->show();
    tool->raise();
    tool->activateWindow();
}

// Like a tool: built on first use, modeless.
void MainWindow::openDrawer()
{
    if (!m_drawerDialog)
        m_drawerDialog = new DrawerDialog(*m_drawer, this);
    m_drawerDialog->show();
    m_drawerDialog->raise();
    m_drawerDialog->activateWindow();
}

void MainWindow::openLabels()
{
    if (!m_labelsDialog)
        m_labelsDialog = new LabelsDialog(*m_toolContext, this);
    m_labelsDialog->show();
    m_labelsDialog->raise();
    m_labelsDialog->activateWindow();
}

void MainWindow::reportDrawerFile()
{
    auto *box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Il mio cassetto"), m_drawer->message(), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// The reading goes to the window of its scheme, chosen as clicks would.
void MainWindow::showInItsWindow(const Reading &reading)
{
    showForm(reading.scheme);
    m_current->setReading(reading);
}

} // namespace Velmora
