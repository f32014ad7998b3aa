#include "app/ProgressDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include "app/DialogSupport.h"
#include "platform/Icons.h"
#include "resources/StringIds.h"

namespace {

// The notice's text (string resources 2060 and 2061); 0 for an unknown template.
unsigned TemplateTextId(unsigned templateId)
{
    switch (templateId) {
    case 434: return 2060;
    case 433: return 2061;
    default: return 0;
    }
}

// The animation control (1027): plays an animation resource from its first
// frame to its last, repeating. The resource is either an animated image
// (:/animations/<id>.gif) or a strip of square frames side by side
// (:/animations/<id>.png).
class CAnimation final : public QLabel {
public:
    explicit CAnimation(unsigned id)
    {
        setObjectName("animation");
        setAlignment(Qt::AlignCenter);
        const QString base = QString(":/animations/%1").arg(id);
        if (QFile::exists(base + ".gif")) {
            m_movie = new QMovie(base + ".gif", QByteArray(), this);
            setMovie(m_movie);
            m_movie->start();
            return;
        }
        const QPixmap strip(base + ".png");
        if (strip.isNull() || strip.height() == 0)
            return;
        const int side = strip.height();
        for (int x = 0; x + side <= strip.width(); x += side)
            m_frames.push_back(strip.copy(x, 0, side, side));
        if (m_frames.empty())
            return;
        setPixmap(m_frames.front());
        m_timer.setInterval(100);
        connect(&m_timer, &QTimer::timeout, this, [this] { Advance(); });
        m_timer.start();
    }

    void Advance()
    {
        if (m_frames.empty())
            return;
        m_frame = (m_frame + 1) % static_cast<int>(m_frames.size());
        setPixmap(m_frames[static_cast<std::size_t>(m_frame)]);
    }
    bool IsEmpty() const { return !m_movie && m_frames.empty(); }

private:
    QMovie* m_movie = nullptr;
    std::vector<QPixmap> m_frames;
    int m_frame = 0;
    QTimer m_timer;
};
}  // namespace

struct CProgressDialog::Impl {
    QDialog* dialog = nullptr;  // owned by its parent window; deleted in Destroy
    CAnimation* animation = nullptr;
};

CProgressDialog::CProgressDialog(unsigned templateId, unsigned animationId)
    : m_templateId(templateId), m_animationId(animationId), m_impl(std::make_unique<Impl>())
{
}

CProgressDialog::~CProgressDialog() { Destroy(); }

bool CProgressDialog::Create(HWND parent)
{
    QWidget* owner = WidgetOf(parent);
    const unsigned textId = TemplateTextId(m_templateId);
    if (!owner || textId == 0)
        return false;
    Destroy();
    auto* dialog = new QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setObjectName(QString("progress%1").arg(m_templateId));
    dialog->setWindowTitle(DialogText(kStrAppTitle));
    dialog->setModal(false);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(24, 16, 24, 16);
    if (m_animationId != 0) {
        m_impl->animation = new CAnimation(m_animationId);
        if (m_impl->animation->IsEmpty()) {
            delete m_impl->animation;
            m_impl->animation = nullptr;
        } else {
            layout->addWidget(m_impl->animation);
        }
    }
    auto* label = new QLabel(DialogText(textId));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_impl->dialog = dialog;
    dialog->show();
    CentreDialog(dialog);  // on screen before the work starts
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void CProgressDialog::Destroy()
{
    if (m_impl->dialog) {
        delete m_impl->dialog;
        m_impl->dialog = nullptr;
        m_impl->animation = nullptr;
    }
}

bool CProgressDialog::IsShown() const { return m_impl->dialog != nullptr; }

void CProgressDialog::Pump()
{
    if (m_impl->animation)
        m_impl->animation->Advance();
    if (m_impl->dialog)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
