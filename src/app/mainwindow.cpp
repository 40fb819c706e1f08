#include "mainwindow.h"

#include "bandlist.h"
#include "form1.h"
#include "layoutfont.h"
#include "morebandslayout.h"
#include "valuedialog.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>
#include <QVBoxLayout>

namespace Velmora {

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
    , m_menuBar(new QMenuBar(this))
{
    auto *form1 = new Form1(this);
    m_forms[0] = form1;
    setWindowTitle(form1->windowTitle());
    setWindowIcon(form1->windowIcon());
    buildMenus();
    // The window is always its form's size plus whatever the menu bar takes
    // (nothing where the desktop shows the menu elsewhere).
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->setMenuBar(m_menuBar);
    m_layout->setSizeConstraint(QLayout::SetFixedSize);
    showForm(4);
}

void MainWindow::buildMenus()
{
    // The window's own small font: one face to load at start, not a second
    // one for the menu bar alone.
    menuBar()->setFont(layoutFont(Layout::Font::Default));
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Esci"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    m_copy = edit->addAction(
        QStringLiteral("&Copia valore"), QKeySequence(Qt::CTRL | Qt::Key_C), this, &MainWindow::copyValue);

    QMenu *bands = menuBar()->addMenu(QStringLiteral("&Bande"));
    m_bands = new QActionGroup(this);
    for (int n : {4, 5, 6}) {
        QAction *action = bands->addAction(QStringLiteral("&%1 bande").arg(n));
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + n)));
        action->setCheckable(true);
        action->setData(n);
        m_bands->addAction(action);
        connect(action, &QAction::triggered, this, [this, n] { showForm(n); });
    }

    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Strumenti"));
    tools->addAction(
        QStringLiteral("Da &valore a colori…"), QKeySequence(Qt::CTRL | Qt::Key_K), this, &MainWindow::openValueDialog);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("&Informazioni su Velmora"), this, &MainWindow::showAbout);

    // F10 opens the first menu, as on the desktops Velmora runs on; Alt is
    // the style's.
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(
        f10, &QShortcut::activated, this, [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainWindow::showForm(int bands)
{
    const auto slot = std::size_t(bands - 4);
    BandForm *&form = m_forms.at(slot);
    if (!form) {
        static constexpr std::array<const Layout::FormLayout *, 3> Layouts {
            &Layout::FourBands, &Layout::FiveBands, &Layout::SixBands};
        form = new BandForm(*Layouts[slot], this);
    }
    for (QAction *action : m_bands->actions())
        action->setChecked(action->data().toInt() == bands);
    if (form == m_current)
        return;

    if (m_current) {
        const auto left = std::size_t(m_current->bandCount() - 4);
        // The form's own focus child, which stays while the dialog is active.
        m_lastFocus.at(left) = m_current->focusWidget();
        disconnect(m_current, &BandForm::resultChanged, this, &MainWindow::updateCopyAction);
        m_layout->removeWidget(m_current);
        m_current->hide();
    }
    m_current = form;
    m_layout->addWidget(form);
    form->show();
    connect(form, &BandForm::resultChanged, this, &MainWindow::updateCopyAction);
    updateCopyAction();
    if (m_valueDialog)
        m_valueDialog->setBandCount(bands);
    // Back to a form, the keyboard is where it was left; new, in its first list.
    QWidget *focus = m_lastFocus.at(slot);
    (focus ? focus : form->list(1))->setFocus();
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
    QMessageBox::about(this, QStringLiteral("Informazioni su Velmora"),
        QStringLiteral("<p><b>Velmora</b> %1</p>"
                       "<p>Legge il codice colori dei resistori a 4, 5 e 6 bande e ne mostra il valore.</p>"
                       "<p>Qt %2</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())));
}

// Built on first use, so start-up does not pay for it; modeless, so the
// person can apply, look at the window and type the next value.
void MainWindow::openValueDialog()
{
    if (!m_valueDialog) {
        m_valueDialog = new ValueDialog(this);
        connect(m_valueDialog, &ValueDialog::applyRequested, this, [this](const std::vector<int> &rows) {
            if (int(rows.size()) != m_current->bandCount())
                return;
            for (std::size_t i = 0; i < rows.size(); ++i)
                m_current->chooseRow(int(i) + 1, rows[i]);
        });
        connect(m_valueDialog, &ValueDialog::moreBandsRequested, this, &MainWindow::showForm);
    }
    m_valueDialog->setBandCount(m_current->bandCount());
    m_valueDialog->show();
    m_valueDialog->raise();
    m_valueDialog->activateWindow();
}

} // namespace Velmora
