#include "app/Face.h"

#include "translations/ui_text.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace orvane {

namespace {

QFrame *Make_Panel(QWidget *owner)
{
    auto *panel = new QFrame(owner);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    return panel;
}

QLabel *Make_Label(QWidget *panel)
{
    auto *label = new QLabel(ui_text::Shown(kPleaseWaitOpening), panel);
    label->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFaceFontPixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// The window takes the whole of child, without margins.
void Fill_With(QWidget *owner, QWidget *child)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(child);
}

} // namespace

TFormFace::TFormFace(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                              | Qt::WindowDoesNotAcceptFocus)
    , m_panel(Make_Panel(this))
    , m_label(Make_Label(m_panel))
{
    setObjectName(QStringLiteral("FormFace"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    Fill_With(this, m_panel);
    Fill_With(m_panel, m_label);
    setFixedSize(kFaceWidth, kFaceHeight);
    setWindowOpacity(kFaceAlpha / 255.0);
    Centre_On_Screen();
}

void TFormFace::Centre_On_Screen()
{
    const QWidget *owner = parentWidget();
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

Please_Wait_Window::Please_Wait_Window(QWidget *parent, const QString &text)
    : m_form(new TFormFace(parent))
{
    m_form->Label1()->setText(text);
    m_form->show();
    m_form->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

Please_Wait_Window::~Please_Wait_Window()
{
    if (m_form)
        m_form->close();
    delete m_form.data();
}

} // namespace orvane
