// About Glyphery (dialog 103).
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "app/Dialogs.h"
#include "framework/WinTypes.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "resources/StringIds.h"

namespace {
class CAboutDlg final : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent) : QDialog(parent)
    {
        setWindowTitle(DialogText(kStrAboutTitle));
        auto* icon = new QLabel;
        icon->setObjectName("icon");
        icon->setPixmap(ProgramIcon().pixmap(64, 64));
        auto* version = new QLabel(DialogText(kStrAboutGlypheryVersion30));
        QFont bold = version->font();
        bold.setBold(true);
        version->setFont(bold);
        auto* blurb = new QLabel(DialogText(kStrAboutSolitaireWordGamesPlayed));

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
        buttons->button(QDialogButtonBox::Ok)->setText(DialogText(kStrAboutOk));
        SetControlId(buttons->button(QDialogButtonBox::Ok), IDOK);
        buttons->setCenterButtons(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

        auto* texts = new QVBoxLayout;
        texts->addWidget(version);
        texts->addWidget(blurb);
        auto* top = new QHBoxLayout;
        top->addWidget(icon, 0, Qt::AlignTop);
        top->addSpacing(12);
        top->addLayout(texts);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(top);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
};
}  // namespace

void RunAboutDialog(HWND parent)
{
    CAboutDlg dialog(WidgetOf(parent));
    RunModal(dialog);
}
