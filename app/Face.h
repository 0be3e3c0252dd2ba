#pragma once

// The please-wait window: a small borderless, see-through, always-on-top strip in the middle
// of the screen that says what the program is busy with while a database file is opened or
// saved. It takes no focus and no input.

#include "translations/text_mark.h"
#include <QWidget>

#include <QPointer>

class QFrame;
class QLabel;

namespace orvane {

inline constexpr const char *kPleaseWaitOpening
        = ORVANE_TEXT("Orvane", "File is being opened now. Please wait......");
inline constexpr const char *kPleaseWaitSaving
        = ORVANE_TEXT("Orvane", "File is being save now. Please wait......");

inline constexpr int kFaceWidth = 490;
inline constexpr int kFaceHeight = 42;
inline constexpr int kFaceAlpha = 155; // of 255
inline constexpr int kFaceFontPixels = 21;

class TFormFace : public QWidget
{
    Q_OBJECT

public:
    explicit TFormFace(QWidget *parent = nullptr);

    QFrame *Panel1() const { return m_panel; }
    QLabel *Label1() const { return m_label; }

    // Centres the window on the screen of its parent, or on the primary screen.
    void Centre_On_Screen();

private:
    QFrame *m_panel = nullptr;
    QLabel *m_label = nullptr;
};

// Shows the please-wait window for the lifetime of the object: created, given its text, shown
// without taking focus and painted before the constructor returns (pending paint events run,
// user input stays queued); closed and destroyed by the destructor. Use one around each long
// open or save:
//     { Please_Wait_Window wait(this, QString::fromUtf8(kPleaseWaitSaving)); save(); }
class Please_Wait_Window
{
public:
    explicit Please_Wait_Window(QWidget *parent,
                                const QString &text = QString::fromUtf8(kPleaseWaitOpening));
    ~Please_Wait_Window();

    Please_Wait_Window(const Please_Wait_Window &) = delete;
    Please_Wait_Window &operator=(const Please_Wait_Window &) = delete;

    TFormFace *Form() const { return m_form; }

private:
    QPointer<TFormFace> m_form; // the parent may have destroyed it already
};

} // namespace orvane
