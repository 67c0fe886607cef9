#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;

namespace vorvan {

namespace kit {
class Form;
}

// The start-up window and the one navigation point: a button or menu entry for
// every calculator, the help windows and About in the Help menu, the maker's
// contact lines and EXIT. It keeps the registry: one reference per window of
// the window table, empty until that window is first opened, emptied again
// when the user closes it (every window deletes itself on close).
class frmMenu : public QMainWindow
{
    Q_OBJECT
public:
    frmMenu();
    void Form_Load();

    void lblWebSite_Click();
    void endProgram();

private:
    QAction *addEntry(QMenu *menu, const char *name, const QString &caption);

    std::array<QPointer<kit::Form>, 12> m_windows;
};

} // namespace vorvan
