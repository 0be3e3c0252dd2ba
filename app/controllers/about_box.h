#pragma once

// Help > "About...": the program's name and version, its licence, the files it keeps and the
// version of Qt it runs on.

#include <QObject>
#include <QString>

namespace orvane {

class WindowShell;

class AboutBox final : public QObject
{
    Q_OBJECT

public:
    explicit AboutBox(WindowShell &shell);

    QString About_Text() const;
    void AboutClick();

private:
    WindowShell &m_shell;
};

} // namespace orvane
