#include "app/HelpDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>

#include "app/DialogSupport.h"
#include "app/GameFactory.h"
#include "framework/Files.h"
#include "framework/Resources.h"
#include "framework/Str.h"
#include "platform/Icons.h"
#include "resources/StringIds.h"

namespace {
QPointer<QDialog> g_help;

QDialog* MakeHelpWindow(QWidget* parent)
{
    auto* window = new QDialog(parent);
    window->setObjectName(QStringLiteral("helpWindow"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setModal(false);
    window->setSizeGripEnabled(true);
    auto* browser = new QTextBrowser(window);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setOpenExternalLinks(true);  // in-page links stay here, others go to the browser
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    QObject::connect(browser, &QTextBrowser::sourceChanged, window,
                     [window, browser] { window->setWindowTitle(browser->documentTitle()); });
    window->resize(DluX(window, 320), DluY(window, 300));
    return window;
}
}  // namespace

bool ShowHelpWindow(HWND owner, const std::string& path, const std::string& anchor)
{
    QFile page(QString::fromStdString(path));
    if (!page.open(QIODevice::ReadOnly))
        return false;
    const bool opening = !g_help;
    if (opening) {
        // Asked for from a modal dialog (the chooser's Help), the window lives
        // with that dialog, or the dialog would keep it from the player; when
        // the dialog closes it goes back to the main window, still open.
        QWidget* main = WidgetOf(owner);
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        g_help = MakeHelpWindow(modal ? modal : main);
        if (modal && main)
            QObject::connect(modal, &QDialog::finished, g_help.data(), [main] {
                if (!g_help)
                    return;
                const QPoint corner = g_help->frameGeometry().topLeft();
                const QSize size = g_help->size();
                const bool shown = g_help->isVisible();
                g_help->setParent(main, g_help->windowFlags());
                g_help->resize(size);
                g_help->move(corner);  // where its frame was
                if (shown)
                    g_help->show();
            });
    }
    auto* browser = g_help->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
    if (browser->source().adjusted(QUrl::RemoveFragment) != url)
        browser->setSource(url);
    if (opening) {
        if (QWidget* parent = g_help->parentWidget()) {
            QRect frame = g_help->frameGeometry();
            frame.moveCenter(parent->window()->frameGeometry().center());
            g_help->move(frame.topLeft());
        }
        g_help->show();
    }
    // At the top, then at the section when the page has it.
    browser->verticalScrollBar()->setValue(0);
    if (!anchor.empty())
        browser->scrollToAnchor(QString::fromStdString(anchor));
    g_help->raise();
    g_help->activateWindow();
    return true;
}

void ShowGameHelp(HWND owner, int gameId)
{
    const std::string path = ShippedDataPath("Help.htm");
    CStr section;
    if (const GameDescriptor* row = gameId > 0 ? FindGameDescriptor(gameId) : nullptr) {
        section = row->subkey;
        section.ToLower();
    }
    if (!FileExists(path) || !ShowHelpWindow(owner, path, section.str()))
        owner->MessageBox(std::string(std::strerror(ENOENT)) + ":\n" + path, ResString(kStrSystemErrorCaption),
                          MB_OK | MB_ICONINFORMATION);
}
