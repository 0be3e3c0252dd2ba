#pragma once

// Runs a modal dialog of the main window from a test: the action runs once the dialog is up,
// and a dialog still open afterwards is cancelled, so that a failed test never blocks.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace orvane::test {

// Calls `open`, which shows a modal dialog, and `act` on that dialog while it runs. Returns
// whether a dialog was shown.
inline bool Run_Dialog(const std::function<void()> &open, const std::function<void(QDialog *)> &act)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = true;
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    open();
    return shown;
}

template<typename T>
T *Find(QDialog *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

} // namespace orvane::test
